// The state the event loop shares with the pages and the run: where the keyboard focus goes next,
// and whether the user asked to quit.
#pragma once

#include <cstdint>

namespace zebo {

struct LoopState {
  int32_t PageFocus = 0;       // the default control of the page on display
  int32_t PendingFocus = 0;    // the control to focus when the countdown runs out; 0 = none
  int32_t FocusCountdown = 0;  // idle waits left before PendingFocus gets the focus; 0 = none
  int32_t LastFocus = 0;       // the control that had the focus when the window was deactivated
  bool QuitRequested = false;
};

}  // namespace zebo
