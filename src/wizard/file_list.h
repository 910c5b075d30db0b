// The file list page's list: the files of the selected group with their plan texts and check
// marks, the file the user points at, and its context menu.
#pragma once

#include "wizard/wizard.h"

namespace zebo {

// Refills the list and selects the item of PackageFile `reselect` (the first item for -1).
void FillFileList(Wizard& w, int reselect);
// The 1-based position of the selected item after making its file current, or 0.
int CurrentFileItem(Wizard& w);
// Opens the context menu of the selected file, on the file list page only.
void OpenFileMenu(Wizard& w);
// Flips the no-compile (131) or no-adaptation (132) choice of the selected file.
void ToggleFileFlag(Wizard& w, int event);

}  // namespace zebo
