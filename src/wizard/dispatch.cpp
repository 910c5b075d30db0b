// The actions of the buttons, lists, shortcuts and popup-menu items.
#include "wizard/dispatch.h"

#include "wizard/controls.h"
#include "wizard/file_list.h"
#include "wizard/help_page.h"
#include "wizard/outside_steps.h"
#include "wizard/pages.h"
#include "wizard/password.h"

namespace zebo {

namespace {

void BrowseForFolder(Wizard& w) {
  Ui& ui = w.ui();
  std::string folder = ui.FolderRequester(ui.Text(FolderLabelG), ui.Text(FolderStringG));
  if (folder.empty()) return;
  // Folder texts end with "\": the copy tree's name is appended to it directly.
  if (folder.back() != '\\') folder += '\\';
  ui.SetText(FolderStringG, folder);
}

bool IsTextArea(int control) {
  return control == StepEditorG || control == LogEditorG || control == HelpEditorG;
}

}  // namespace

void DispatchControlEvent(Wizard& w, int control) {
  switch (control) {
    case HelpButtonG:
      ShowHelp(w);
      break;
    case NextButtonG:
      NextPage(w);
      break;
    case PreviousButtonG:
      PreviousPage(w);
      break;
    case CancelButtonG:
      w.loop.QuitRequested = true;
      break;
    case RunButtonG:
      StartOperations(w);
      break;
    case CheckVersionButtonG:
      StartVersionCheck(w, false);
      break;
    case AuthorSiteButtonG:
      OpenAddress(w, w.package.info.AuthorSite);
      break;
    case ApplicationSiteButtonG:
      OpenAddress(w, w.package.info.ApplicationSite);
      break;
    case SharedFoldersCheckG:
      FillDestinationList(w);
      break;
    case DestinationListG:
      FillLanguageList(w);
      break;
    case BrowseButtonG:
      BrowseForFolder(w);
      break;
    case ContextMenuButtonG:
      OpenFileMenu(w);
      break;
    default:
      break;
  }
}

void DispatchMenuEvent(Wizard& w, int event) {
  Ui& ui = w.ui();
  switch (event) {
    case MenuShowLog:
      ShowLogPage(w);
      break;
    case MenuPrevious:
      PreviousPage(w);
      break;
    case MenuNext:
      NextPage(w);
      break;
    case MenuHelp:
      ShowHelp(w);
      break;
    case MenuSelectAll:
      if (w.state.PageShown == FilePageG) {
        for (int i = 0; i < ui.ItemCount(FileListG); ++i) ui.SetItemChecked(FileListG, i, true);
        ui.SelectItem(FileListG, -1);
      } else if (IsTextArea(ui.FocusedControl())) {
        ui.SelectAllText(ui.FocusedControl());
      }
      break;
    case MenuContextMenu:
      OpenFileMenu(w);
      break;
    case MenuView:
      if (CurrentFileItem(w) != 0) ViewPackagedFile(w, static_cast<int>(w.package.currentFile));
      break;
    case MenuPassword:
      RequestPassword(w);
      break;
    case MenuToggleCompile:
    case MenuToggleAdaptation:
      ToggleFileFlag(w, event);
      break;
    default:
      break;
  }
}

}  // namespace zebo
