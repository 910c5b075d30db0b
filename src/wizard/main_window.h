// Building the main window, its shortcuts and its popup menu; a failure ends the program.
#pragma once

#include "core/core.h"

namespace zebo {

// Opens the main window hidden, titled "ZeBo", with every control of the table and the status bar.
void CreateMainWindow(Core& core);

// Registers the nine shortcuts and creates the file list's popup menu.
void CreateShortcutsAndMenu(Core& core);

}  // namespace zebo
