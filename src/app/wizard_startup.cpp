// Start-up's part of the wizard window, from its hidden creation to the event loop.
#include "app/wizard_startup.h"

#include "app/event_loop.h"
#include "wizard/controls.h"
#include "wizard/main_window.h"
#include "wizard/outside_steps.h"
#include "wizard/pages.h"

namespace zebo {

namespace {

// Idle waits before the first page's focus moves: longer than a page change, as the window has
// only just appeared.
constexpr int kStartFocusDelay = 100;

}  // namespace

void BuildHiddenWindow(App& app) {
  CreateMainWindow(app.core);
  // The focus tracking needs no installing: the loop sees every deactivation (TrackFocus).
  AttachLogView(app.core.log, app.logView, app.core.platform.ui);
  app.core.platform.ui.SetWordWrap(HelpEditorG, true);
}

void PrepareWizard(App& app) {
  Ui& ui = app.core.platform.ui;
  CreateShortcutsAndMenu(app.core);
  FillDestinationList(app.wizard);
  FillOperationList(app.wizard);
  ui.SetChecked(RestartJawsCheckG, app.package.restartJawsChecked);
  std::string folder = app.core.platform.host.CurrentFolder();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  ui.SetText(FolderStringG, folder);
}

void OpenWizard(App& app) {
  Ui& ui = app.core.platform.ui;
  ui.SetTitle(WizardTitle(app.wizard));
  ui.ShowMainWindow();
  ShowDescriptionPage(app.wizard);
  app.loop.FocusCountdown = kStartFocusDelay;
  if (app.package.info.Flags & InfoCheckAtStart) StartVersionCheck(app.wizard, true);
}

void RunWizard(App& app) {
  app.loop.QuitRequested = false;
  RunEventLoop(app);
}

}  // namespace zebo
