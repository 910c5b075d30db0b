// Building the main window from the control table; every failure is fatal.
#include "wizard/main_window.h"

#include "core/fatal_error.h"
#include "wizard/control_table.h"

namespace zebo {

void CreateMainWindow(Core& core) {
  const UiFailure failure = core.platform.ui.CreateMainWindow("ZeBo", kMainWindowWidth,
                                                              kMainWindowHeight, ControlTable());
  if (failure != UiFailure::None) FatalError(core, static_cast<int>(failure));
}

void CreateShortcutsAndMenu(Core& core) {
  core.platform.ui.SetShortcuts(ShortcutTable());
  if (!core.platform.ui.CreatePopupMenu(FilePopupMenuItems())) {
    FatalError(core, static_cast<int>(UiFailure::PopupMenu));
  }
}

}  // namespace zebo
