// The platform of the author's tool: the host's files, and services it never uses that do nothing.
#pragma once

#include "platform/null_ui.h"
#include "platform/platform.h"

namespace zebo::pack {

class QuietClock : public Clock {
 public:
  LocalTime Now() override { return {}; }
  void Sleep(int) override {}
  uint64_t Ticks() override { return 0; }
};

class QuietSound : public Sound {
 public:
  bool Open() override { return false; }
  bool PlayWav(std::string_view) override { return false; }
};

// The tool has no window: every question reads as closed.
using QuietUi = NullUi;

class QuietHost : public Host {
 public:
  bool MutexExists(const std::string&) override { return false; }
  bool CreateMutex(const std::string&) override { return true; }
  void CloseMutex() override {}
  bool BringWindowForward(const std::string&) override { return false; }
  std::string ExecutablePath() override { return {}; }
  std::string CurrentFolder() override { return {}; }
  [[noreturn]] void ExitProcess(int code) override;
};

// The files given, the other services quiet.
struct ToolPlatform {
  explicit ToolPlatform(Files& f) : platform{f, clock, sound, ui, host} {}
  QuietClock clock;
  QuietSound sound;
  QuietUi ui;
  QuietHost host;
  Platform platform;
};

}  // namespace zebo::pack
