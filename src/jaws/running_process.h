// The running processes the program cares about: the JAWS script manager and JAWS itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"
#include "platform/processes.h"

namespace zebo {

// The number of the first running process whose executable name is `name` (whole, any case), or
// 0. Several names may be passed as "{a.exe}{b.exe}". Rebuilds the process list.
uint32_t FindProcess(Processes& processes, JawsState& state, std::string_view name);

// The folder of a process's executable ending with "\", or empty when it cannot be read.
std::string ProcessFolder(Processes& processes, uint32_t processId);

// Marks the destination entries whose program folder is that of the running jfw.exe: " en
// fonctionnement" on the label, InUse, and RunningJawsVersion.
void MarkRunningJaws(Processes& processes, JawsState& state, DestinationList& list);

}  // namespace zebo
