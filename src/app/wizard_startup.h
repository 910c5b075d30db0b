// The start-up steps that prepare and open the wizard window, and run it.
#pragma once

#include "app/app.h"

namespace zebo {

// The main window with all its controls, hidden; the logs shown in their text areas.
void BuildHiddenWindow(App& app);
// Once the package is read: shortcuts and popup menu, the destination and operation lists, the
// restart check box and the folder field.
void PrepareWizard(App& app);
// The title, the window shown, the description page and its focus, and the version check when the
// package asks for one at start.
void OpenWizard(App& app);
// Runs the event loop until the user quits; a request to quit made before it starts is dropped.
void RunWizard(App& app);

}  // namespace zebo
