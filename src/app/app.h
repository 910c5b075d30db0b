// The program's one set of long-lived state, created at start-up and passed by reference. Each
// subsystem keeps its part in its own record here; nothing lives in globals.
#pragma once

#include <cstdint>

#include "adaptation/adaptation_state.h"
#include "core/core.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"
#include "package/package.h"

namespace zebo {

struct App {
  explicit App(Platform& platform) : core(platform) {}
  Core core;
  PackageState package;
  DestinationList destinations;
  JawsState jaws;
  int32_t OperationFlags = 0;
  AdaptationState adaptation;
};

}  // namespace zebo
