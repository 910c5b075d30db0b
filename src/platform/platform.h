// The operating-system services the program uses, gathered in one aggregate. Only the entry
// point and the test harnesses choose a backend.
#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/host.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/ui.h"

namespace zebo {

struct Platform {
  Files& files;
  Clock& clock;
  Sound& sound;
  Ui& ui;
  Host& host;
  Registry& registry;
  Shell& shell;
  Processes& processes;
  Network& network;
};

}  // namespace zebo
