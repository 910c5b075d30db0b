// The password that unlocks the package's protected files.
#pragma once

#include "wizard/wizard.h"

namespace zebo {

// Asks for the password when some file is still locked; refills the file list on its page.
void RequestPassword(Wizard& w);

}  // namespace zebo
