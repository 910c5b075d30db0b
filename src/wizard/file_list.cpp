// The file list: which files of the group the run processes, and the toggles of single files.
#include "wizard/file_list.h"

#include <algorithm>

#include "core/cp1252.h"
#include "operations/operation_flags.h"
#include "operations/plan_texts.h"
#include "wizard/controls.h"
#include "wizard/dispatch.h"
#include "wizard/pages.h"

namespace zebo {

namespace {

struct ListEntry {
  std::string text;
  int index;
  int32_t flags;
  std::string sortKey;  // lower-cased target folder and name
};

}  // namespace

void FillFileList(Wizard& w, int reselect) {
  Ui& ui = w.ui();
  const int group = SelectedGroup(w);
  ui.SetText(AliasStringG, w.package.info.Alias);
  const bool removing = (w.operationFlags & OpRemoveAdaptations) != 0;
  std::vector<ListEntry> entries;
  const auto& files = w.package.files;
  for (size_t i = 0; i < files.size(); ++i) {
    const PackageFile& file = files[i];
    if (file.Group != group) continue;
    if ((file.Flags & FileProtected) && !w.package.protectedUnlocked) continue;
    if (removing && !(file.Flags & FileAdaptation)) continue;
    entries.push_back({FilePlanText(file, w.operationFlags), static_cast<int>(i), file.Flags,
                       LowerCase(file.TargetPath + file.Name)});
  }
  ui.ClearItems(FileListG);
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ListEntry& a, const ListEntry& b) { return a.sortKey < b.sortKey; });
  int toSelect = entries.empty() ? -1 : 0;
  for (const auto& entry : entries) {
    const int item = ui.AddItem(FileListG, entry.text, entry.index);
    ui.SetItemChecked(FileListG, item, (entry.flags & FileOptional) == 0);
    if (entry.index == reselect) toSelect = item;
  }
  ui.SelectItem(FileListG, toSelect);
}

int CurrentFileItem(Wizard& w) {
  Ui& ui = w.ui();
  const int count = ui.ItemCount(FileListG);
  if (count <= 0) return 0;
  int selected = ui.SelectedItem(FileListG);
  if (selected < 0 || selected >= count) {
    ui.SelectItem(FileListG, 0);
    selected = 0;
  }
  const int index = ui.ItemData(FileListG, selected);
  if (index < 0 || static_cast<size_t>(index) >= w.package.files.size()) return 0;
  w.package.currentFile = static_cast<size_t>(index);
  return selected + 1;
}

void OpenFileMenu(Wizard& w) {
  if (w.state.PageShown != FilePageG || CurrentFileItem(w) == 0) return;
  Ui& ui = w.ui();
  const int32_t flags = w.package.files[w.package.currentFile].Flags;
  const bool removing = (w.operationFlags & OpRemoveAdaptations) != 0;
  ui.SetMenuItemText(MenuToggleAdaptation, (flags & FileNoAdapt)
                                               ? "Autoriser l'adaptation du fichier JSS"
                                               : "Ne pas r\xE9"
                                                 "aliser l'adaptation");
  ui.SetMenuItemEnabled(MenuToggleAdaptation, (flags & FileAdaptation) && !removing);
  ui.SetMenuItemText(MenuToggleCompile, (flags & FileNoCompile) ? "A compiler" : "Ne pas compiler");
  ui.SetMenuItemEnabled(MenuToggleCompile, (flags & FileCompile) && !removing);
  ui.SetMenuItemEnabled(MenuView, true);
  const ScreenPoint origin = ui.WindowOrigin();
  const int choice = ui.ShowPopupMenu({origin.x + 10, origin.y + 10});
  if (choice != 0) DispatchMenuEvent(w, choice);
}

void ToggleFileFlag(Wizard& w, int event) {
  if (CurrentFileItem(w) == 0) return;
  PackageFile& file = w.package.files[w.package.currentFile];
  file.Flags ^= event == MenuToggleCompile ? FileNoCompile : FileNoAdapt;
  FillFileList(w, static_cast<int>(w.package.currentFile));
}

}  // namespace zebo
