// The program-wide basics every subsystem works with: the platform services, the two logs and the
// facts start-up gathers about the program itself. Owned by the App, passed by reference.
#pragma once

#include <string>

#include "core/operation_log.h"
#include "platform/platform.h"

namespace zebo {

struct Core {
  explicit Core(Platform& p) : platform(p) {}
  Platform& platform;
  OperationLog log;
  std::string mainExe;        // the program's own executable: the package lies in it
  std::string packageMarker;  // the line before the package, joined at start-up
};

// The marker line: stored as two pieces so the program's own bytes never hold the whole line.
std::string JoinPackageMarker();

}  // namespace zebo
