// What the wizard's routines work on: the page state of their own, and references into the
// program's other records (the App owns them all).
#pragma once

#include <cstdint>
#include <string>

#include "adaptation/adaptation_state.h"
#include "core/core.h"
#include "core/loop_state.h"
#include "jaws/jaws_state.h"
#include "jaws/jaws_target.h"
#include "jaws/version_check.h"
#include "package/package.h"

namespace zebo {

struct WizardState {
  int32_t PageShown = 0;     // the container on display, set only by ShowPage
  int32_t MemPageInUse = 0;  // the wizard page the help and log pages return to; 0 before any
};

struct Wizard {
  Core& core;
  PackageState& package;
  DestinationList& destinations;
  int32_t& operationFlags;
  int32_t& operationsDone;  // 1 once a run has ended: the last page is frozen
  LoopState& loop;
  WizardState& state;
  const std::string& runningJawsVersion;  // the major version of the running JAWS, or ""
  // What the run and the version check work on besides the records above.
  const JawsState& jaws;
  AdaptationState& adaptation;
  VersionCheckState& versionCheck;

  Ui& ui() { return core.platform.ui; }
  // The current elements of the lists, or nullptr while none is.
  JawsTarget* currentTarget() {
    return destinations.current < destinations.entries.size()
               ? &destinations.entries[destinations.current]
               : nullptr;
  }
  std::string currentGroupName() const {
    return package.currentGroup < package.groups.size() ? package.groups[package.currentGroup].Name
                                                        : std::string();
  }
};

}  // namespace zebo
