// The one loop of the program: every action of the user arrives here and is handled in turn.
#include "app/event_loop.h"

#include "wizard/control_table.h"
#include "wizard/dispatch.h"
#include "wizard/file_list.h"

namespace zebo {

namespace {

// The wait is short so that the focus countdown advances whenever the user does nothing.
constexpr int kEventWaitMilliseconds = 1;
// Idle waits between a page change and the focus reaching its main control, so a screen reader
// first reads the page's explanatory text.
constexpr int kPageFocusDelay = 50;

// A control the user can reach now: a navigation button, or a control of the page on display,
// shown and enabled. Controls are never destroyed, but one on a hidden page is as good as gone.
bool CanTakeFocus(Wizard& w, int control) {
  Ui& ui = w.ui();
  if (control == 0 || !ui.ControlExists(control)) return false;
  if (!ui.IsVisible(control) || !ui.IsEnabled(control)) return false;
  for (const auto& spec : ControlTable()) {
    if (spec.number == control) return spec.parent == 0 || spec.parent == w.state.PageShown;
  }
  return false;
}

}  // namespace

void IdleTick(LoopState& loop, Ui& ui) {
  if (loop.FocusCountdown > 0) {
    --loop.FocusCountdown;
    if (loop.FocusCountdown == 0) {
      if (loop.PendingFocus != 0) ui.SetFocus(loop.PendingFocus);
      loop.PendingFocus = 0;
    }
  } else if (loop.PendingFocus != 0) {
    loop.FocusCountdown = kPageFocusDelay;
  }
}

void TrackFocus(LoopState& loop, const UiEvent& event) {
  if (event.kind == UiEventKind::Deactivate && event.mainWindow && event.number != 0) {
    loop.LastFocus = event.number;
  }
}

void RestoreFocus(Wizard& w) {
  if (w.loop.PendingFocus != 0) return;
  w.ui().SetFocus(CanTakeFocus(w, w.loop.LastFocus) ? w.loop.LastFocus : w.loop.PageFocus);
}

void HandleEvent(App& app, const UiEvent& event) {
  TrackFocus(app.loop, event);
  if (event.kind == UiEventKind::None) {
    IdleTick(app.loop, app.core.platform.ui);
    return;
  }
  if (!event.mainWindow) return;
  switch (event.kind) {
    case UiEventKind::Close:
      app.loop.QuitRequested = true;
      break;
    case UiEventKind::RightClick:
      OpenFileMenu(app.wizard);
      break;
    case UiEventKind::Control:
      DispatchControlEvent(app.wizard, event.number);
      break;
    case UiEventKind::Menu:
      DispatchMenuEvent(app.wizard, event.number);
      break;
    case UiEventKind::Activate:
      RestoreFocus(app.wizard);
      break;
    default:
      break;
  }
}

void RunEventLoop(App& app) {
  while (!app.loop.QuitRequested) {
    HandleEvent(app, app.core.platform.ui.WaitEvent(kEventWaitMilliseconds));
  }
}

}  // namespace zebo
