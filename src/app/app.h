// The program's one set of long-lived state, created at start-up and passed by reference. Each
// subsystem keeps its part in its own record here; nothing lives in globals.
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
#include "wizard/log_view.h"
#include "wizard/wizard.h"

namespace zebo {

struct App {
  explicit App(Platform& platform) : core(platform) {}
  Core core;
  PackageState package;
  DestinationList destinations;
  JawsState jaws;
  int32_t OperationFlags = 0;
  AdaptationState adaptation;
  VersionCheckState versionCheck;
  int32_t OperationsDone = 0;
  LoopState loop;
  WizardState pages;
  UiLogView logView{core.platform.ui};
  // The wizard's view of the records above.
  Wizard wizard{core,           package,    destinations, OperationFlags,
                OperationsDone, loop,       pages,        jaws.RunningJawsVersion,
                jaws,           adaptation, versionCheck};
};

}  // namespace zebo
