// Where the event loop sends the events of the controls, the popup menu and the shortcuts.
#pragma once

#include "wizard/wizard.h"

namespace zebo {

void DispatchControlEvent(Wizard& w, int control);
void DispatchMenuEvent(Wizard& w, int event);

}  // namespace zebo
