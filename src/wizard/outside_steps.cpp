// The work of other subsystems that the wizard starts: the run, the version check, the
// sensitive-function check and opening the package's web addresses.
#include "wizard/outside_steps.h"

#include <vector>

#include "jaws/version_check.h"
#include "operations/apply_adaptations.h"
#include "operations/run_operations.h"
#include "wizard/controls.h"
#include "wizard/pages.h"

namespace zebo {
namespace {

// The file list as the steps read it: item data and check mark, in display order.
std::vector<FileListItem> ReadFileList(Ui& ui) {
  std::vector<FileListItem> items;
  const int count = ui.ItemCount(FileListG);
  for (int i = 0; i < count; ++i) {
    items.push_back({ui.ItemData(FileListG, i), ui.IsItemChecked(FileListG, i)});
  }
  return items;
}

// The steps read the file list as the user left it on its page.
RunContext MakeRunContext(Wizard& w) {
  RunContext ctx(w.core, w.package, w.jaws, w.destinations, w.adaptation);
  ctx.group = SelectedGroup(w);
  ctx.items = ReadFileList(w.ui());
  ctx.restartJaws = w.ui().IsChecked(RestartJawsCheckG);
  ctx.aliasText = w.ui().Text(AliasStringG);
  return ctx;
}

}  // namespace

void StartOperations(Wizard& w) {
  if (w.operationsDone == 1) return;  // a run happens once
  RunContext ctx = MakeRunContext(w);
  const int focus = RunOperations(ctx, kWizardRunControls, w.operationFlags, w.operationsDone);
  // The focus stays where the run put it: a page change still counting down must not move it.
  w.loop.PendingFocus = 0;
  w.loop.FocusCountdown = 0;
  w.loop.PageFocus = focus;
  w.loop.LastFocus = focus;
}

void StartVersionCheck(Wizard& w, bool silent) {
  if (CheckForNewVersion(w.core, w.package.info, w.versionCheck, silent)) {
    w.loop.QuitRequested = true;
  }
}

void StartSensitiveCheck(Wizard& w) {
  RunContext ctx = MakeRunContext(w);
  CheckSensitiveFunctions(ctx);
}

void OpenAddress(Wizard& w, const std::string& address) {
  // The package names these sites; only a web address goes to the shell, never a program.
  std::string web = address;
  if (!IsWebAddress(web) && web.rfind("www.", 0) == 0) web = "http://" + web;
  if (!IsWebAddress(web)) {
    w.core.log.LogLine("! Not opened, not an http or https address : " + address);
    return;
  }
  if (!w.core.platform.shell.OpenAddress(web)) w.core.log.LogLine("! Error, can't open : " + web);
}

}  // namespace zebo
