// The work the wizard hands to other subsystems: the run, the version check, the sensitive-function
// check of the last page and opening a web address. Each goes through one routine here, so the
// wizard does not change when they do.
#pragma once

#include <string>

#include "operations/run_operations.h"
#include "wizard/controls.h"
#include "wizard/wizard.h"

namespace zebo {

// The wizard's controls that a run changes.
inline constexpr RunControls kWizardRunControls{NextButtonG, PreviousButtonG, RunButtonG,
                                                CancelButtonG, StepEditorG};

// The run button.
void StartOperations(Wizard& w);
// The version check: interactive from its button, silent at start-up.
void StartVersionCheck(Wizard& w, bool silent);
// The warning about adaptations that touch sensitive functions, when the last page is shown.
void StartSensitiveCheck(Wizard& w);
// Opens an address with the system's handler.
void OpenAddress(Wizard& w, const std::string& address);

}  // namespace zebo
