// The event loop and its focus machinery: the delayed focus after a page change, and the focus
// given back when the window is activated again.
#pragma once

#include "app/app.h"

namespace zebo {

// One wait that brought no event: counts the pending focus change down.
void IdleTick(LoopState& loop, Ui& ui);
// Seen for every event: remembers the focused control when the main window is deactivated.
void TrackFocus(LoopState& loop, const UiEvent& event);
// The main window was activated: gives the focus back unless a page change is still pending.
void RestoreFocus(Wizard& w);
// Handles one event of the program's windows.
void HandleEvent(App& app, const UiEvent& event);
// Waits for events and dispatches them until the user asks to quit.
void RunEventLoop(App& app);

}  // namespace zebo
