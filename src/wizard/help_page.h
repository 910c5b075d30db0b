// The help page: the help of the wizard page in use, and the text of a packaged file.
#pragma once

#include "wizard/wizard.h"

namespace zebo {

void ShowHelp(Wizard& w);
// Shows the content of PackageFile `index`; on failure says so and returns to the wizard page.
void ViewPackagedFile(Wizard& w, int index);

}  // namespace zebo
