// The group page: the script groups of the package, one per range of JAWS versions.
#include "wizard/controls.h"
#include "wizard/pages.h"

namespace zebo {

void FillGroupList(Wizard& w, const std::string& preferredName) {
  Ui& ui = w.ui();
  std::string preferred = preferredName;
  if (preferred.empty()) {
    preferred = ui.Text(GroupFileListG);
    if (preferred.empty()) {
      const std::string& running = w.runningJawsVersion;
      for (const auto& group : w.package.groups) {
        if (group.Name.compare(0, running.size(), running) == 0) {
          preferred = group.Name;
          break;
        }
      }
    } else {
      preferred.erase(0, std::string("Jaws ").size());
    }
  }
  ui.ClearItems(GroupFileListG);
  int toSelect = -1;
  for (size_t i = 0; i < w.package.groups.size(); ++i) {
    const int item =
        ui.AddItem(GroupFileListG, "Jaws " + w.package.groups[i].Name, static_cast<int>(i));
    if (toSelect < 0 && w.package.groups[i].Name == preferred) toSelect = item;
  }
  if (!w.package.groups.empty()) {
    if (toSelect < 0) toSelect = 0;
    ui.SelectItem(GroupFileListG, toSelect);
    w.package.currentGroup = static_cast<size_t>(toSelect);
  }
  ui.SetText(AliasStringG, w.package.info.Alias);
}

int SelectedGroup(Wizard& w) {
  Ui& ui = w.ui();
  const size_t groups = w.package.groups.size();
  const int items = ui.ItemCount(GroupFileListG);
  if (groups != 0 && groups == static_cast<size_t>(items)) {
    int selected = ui.SelectedItem(GroupFileListG);
    if (selected < 0 || selected >= items) {
      ui.SelectItem(GroupFileListG, 0);
      selected = 0;
    }
    w.package.currentGroup = static_cast<size_t>(selected);
    return selected;
  }
  LogAndShowLog(w, "! CroupList$()=" + std::to_string(groups) +
                       " and #GroupFileListG=" + std::to_string(items));
  return 0;
}

}  // namespace zebo
