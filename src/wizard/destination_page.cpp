// The destination page: the list of JAWS settings folders, their languages and the chosen folder.
#include "core/cp1252.h"
#include "jaws/languages.h"
#include "wizard/controls.h"
#include "wizard/pages.h"

namespace zebo {

void FillDestinationList(Wizard& w) {
  Ui& ui = w.ui();
  const std::string remembered = ui.Text(DestinationListG);
  ui.ClearItems(DestinationListG);
  const bool withShared = ui.IsChecked(SharedFoldersCheckG);
  int toSelect = -1;
  const auto& entries = w.destinations.entries;
  for (size_t i = 0; i < entries.size(); ++i) {
    const JawsTarget& entry = entries[i];
    if (entry.Kind == SharedSettings && !withShared) continue;
    const int item = ui.AddItem(DestinationListG, entry.Label, static_cast<int>(i));
    if ((entry.InUse == 1 && remembered.empty()) || entry.Label == remembered) toSelect = item;
  }
  if (toSelect < 0 && ui.ItemCount(DestinationListG) > 0) toSelect = 0;
  ui.SelectItem(DestinationListG, toSelect);
  FillLanguageList(w);
}

void StoreDestinationChoice(Wizard& w) {
  Ui& ui = w.ui();
  const std::string folder = ui.Text(FolderStringG);
  for (auto& entry : w.destinations.entries) {
    if (entry.Kind == ChosenFolder) entry.DestinationPath = folder;
  }
  const int selected = ui.SelectedItem(DestinationListG);
  if (selected < 0) return;
  const int index = ui.ItemData(DestinationListG, selected);
  if (index < 0 || static_cast<size_t>(index) >= w.destinations.entries.size()) return;
  w.destinations.current = static_cast<size_t>(index);
  JawsTarget& target = w.destinations.entries[w.destinations.current];
  if (target.Kind == UserSettings || target.Kind == SharedSettings) {
    target.Language = ui.Text(LanguageListG);
    target.DestinationPath = target.ScriptBasePath + LanguageCode(target.Language) + "\\";
  }
}

void FillLanguageList(Wizard& w) {
  Ui& ui = w.ui();
  constexpr int kLanguageControls[] = {LanguageLabelG, LanguageListG};
  constexpr int kFolderControls[] = {FolderLabelG, FolderStringG, BrowseButtonG};
  auto enable = [&ui](auto& controls, bool enabled) {
    for (int c : controls) ui.SetEnabled(c, enabled);
  };
  const int count = ui.ItemCount(DestinationListG);
  const int selected = ui.SelectedItem(DestinationListG);
  if (count > 0 && selected == count - 1) {
    // The last item is always the chosen folder; the languages stay for a return to a version.
    enable(kFolderControls, true);
    enable(kLanguageControls, false);
    return;
  }
  std::string remembered = ui.Text(LanguageListG);
  if (remembered.empty())
    remembered =
        "Fran\xE7"
        "ais";
  ui.ClearItems(LanguageListG);
  const int index = ui.ItemData(DestinationListG, selected);
  if (selected < 0 || index < 0 || static_cast<size_t>(index) >= w.destinations.entries.size()) {
    enable(kLanguageControls, false);
    enable(kFolderControls, false);
    return;
  }
  w.destinations.current = static_cast<size_t>(index);
  const std::string& languages = w.destinations.entries[w.destinations.current].Languages;
  // Every code is followed by "|": a text after the last one is no code.
  int kept = -1, french = -1, position = 0;
  size_t start = 0;
  for (size_t bar = languages.find('|'); bar != std::string::npos;
       start = bar + 1, bar = languages.find('|', start)) {
    const std::string code = LowerCase(languages.substr(start, bar - start));
    const std::string name = LanguageDisplayName(code);
    ui.AddItem(LanguageListG, name, position);
    if (code == "fra") french = position;
    if (name == remembered) kept = position;
    ++position;
  }
  if (position == 0) {
    enable(kLanguageControls, false);
    enable(kFolderControls, false);
    return;
  }
  ui.SelectItem(LanguageListG, kept >= 0 ? kept : french >= 0 ? french : 0);
  enable(kLanguageControls, true);
  enable(kFolderControls, false);
}

}  // namespace zebo
