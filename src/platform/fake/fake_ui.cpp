// The headless user interface: controls as plain records, scripted answers and events.
#include "platform/fake/fake_ui.h"

#include "core/operation_log.h"

namespace zebo::fake {

namespace {

bool HasItems(const FakeControl& c) {
  return c.kind == ControlKind::DropDown || c.kind == ControlKind::CheckList;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

void LinesChanged(FakeControl& c) {
  c.caretAtStart = false;
  c.allSelected = false;
}

}  // namespace

MessageAnswer FakeUi::MessageBox(const std::string& boxTitle, const std::string& text,
                                 MessageButtons buttons, MessageIcon) {
  messages.push_back({boxTitle, text, buttons});
  if (!answers.empty()) {
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

UiFailure FakeUi::CreateMainWindow(const std::string& windowTitle, int w, int h,
                                   std::span<const ControlSpec> table) {
  if (failAtControl == 0) return UiFailure::MainWindow;
  windowCreated = true;
  title = windowTitle;
  width = w;
  height = h;
  for (const auto& spec : table) {
    if (spec.number == failAtControl) return UiFailure::Control;
    FakeControl c;
    c.kind = spec.kind;
    c.parent = spec.parent;
    c.style = spec.style;
    if (spec.kind == ControlKind::TextArea) {
      // A text area starts empty.
    } else if (!HasItems(c)) {
      c.text = spec.text;
    }
    controls_[spec.number] = c;
    creationOrder.push_back(spec.number);
  }
  if (failAtControl == -1) return UiFailure::StatusBar;
  return UiFailure::None;
}

FakeControl* FakeUi::Find(int control) {
  auto it = controls_.find(control);
  return it == controls_.end() ? nullptr : &it->second;
}

FakeControl& FakeUi::At(int control) {
  return controls_.at(control);
}

bool FakeUi::IsReachable(int control) {
  FakeControl* c = Find(control);
  if (!c || !c->visible || !c->enabled) return false;
  if (c->parent == 0) return true;
  return IsReachable(c->parent);
}

void FakeUi::SetText(int control, const std::string& text) {
  FakeControl* c = Find(control);
  if (!c) return;
  if (c->kind == ControlKind::DropDown) {
    for (size_t i = 0; i < c->items.size(); ++i) {
      if (c->items[i].text == text) {
        c->selected = static_cast<int>(i);
        return;
      }
    }
    return;
  }
  if (c->kind == ControlKind::TextArea) {
    c->lines = SplitAreaLines(text);
    if (text.empty()) c->lines.clear();
    LinesChanged(*c);
    return;
  }
  if (c->kind == ControlKind::CheckList) return;
  c->text = text;
}

std::string FakeUi::Text(int control) {
  FakeControl* c = Find(control);
  if (!c) return {};
  if (c->kind == ControlKind::DropDown) {
    if (c->selected < 0 || c->selected >= static_cast<int>(c->items.size())) return {};
    return c->items[static_cast<size_t>(c->selected)].text;
  }
  if (c->kind == ControlKind::TextArea) return JoinLines(c->lines);
  if (c->kind == ControlKind::CheckList) return {};
  return c->text;
}

void FakeUi::SetEnabled(int control, bool enabled) {
  if (FakeControl* c = Find(control)) c->enabled = enabled;
}
bool FakeUi::IsEnabled(int control) {
  FakeControl* c = Find(control);
  return c && c->enabled;
}
void FakeUi::SetVisible(int control, bool visible) {
  if (FakeControl* c = Find(control)) c->visible = visible;
}
bool FakeUi::IsVisible(int control) {
  FakeControl* c = Find(control);
  return c && c->visible;
}

void FakeUi::SetFocus(int control) {
  // As on Windows, a hidden or disabled control cannot take the focus.
  if (!IsReachable(control)) return;
  focused = control;
  focusHistory.push_back(control);
}

void FakeUi::SetChecked(int control, bool checked) {
  FakeControl* c = Find(control);
  if (c && c->kind == ControlKind::CheckBox) c->checked = checked;
}
bool FakeUi::IsChecked(int control) {
  FakeControl* c = Find(control);
  return c && c->kind == ControlKind::CheckBox && c->checked;
}

int FakeUi::AddItem(int control, const std::string& text, int data) {
  FakeControl* c = Find(control);
  if (!c || !HasItems(*c)) return -1;
  c->items.push_back({text, data, false});
  return static_cast<int>(c->items.size()) - 1;
}
void FakeUi::ClearItems(int control) {
  FakeControl* c = Find(control);
  if (!c || !HasItems(*c)) return;
  c->items.clear();
  c->selected = -1;
}
int FakeUi::ItemCount(int control) {
  FakeControl* c = Find(control);
  return c && HasItems(*c) ? static_cast<int>(c->items.size()) : 0;
}
std::string FakeUi::ItemText(int control, int index) {
  FakeControl* c = Find(control);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
  return c->items[static_cast<size_t>(index)].text;
}
int FakeUi::ItemData(int control, int index) {
  FakeControl* c = Find(control);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return 0;
  return c->items[static_cast<size_t>(index)].data;
}
void FakeUi::SelectItem(int control, int index) {
  FakeControl* c = Find(control);
  if (!c || !HasItems(*c)) return;
  if (index < -1 || index >= static_cast<int>(c->items.size())) return;
  c->selected = index;
}
int FakeUi::SelectedItem(int control) {
  FakeControl* c = Find(control);
  return c && HasItems(*c) ? c->selected : -1;
}
void FakeUi::SetItemChecked(int control, int index, bool checked) {
  FakeControl* c = Find(control);
  if (!c || c->kind != ControlKind::CheckList) return;
  if (index < 0 || index >= static_cast<int>(c->items.size())) return;
  c->items[static_cast<size_t>(index)].checked = checked;
}
bool FakeUi::IsItemChecked(int control, int index) {
  FakeControl* c = Find(control);
  if (!c || c->kind != ControlKind::CheckList) return false;
  if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
  return c->items[static_cast<size_t>(index)].checked;
}

void FakeUi::AppendLine(int control, const std::string& line) {
  FakeControl* c = Find(control);
  if (!c || c->kind != ControlKind::TextArea) return;
  for (auto& piece : SplitAreaLines(line)) c->lines.push_back(std::move(piece));
  LinesChanged(*c);
}
int FakeUi::LineCount(int control) {
  FakeControl* c = Find(control);
  return c && c->kind == ControlKind::TextArea ? static_cast<int>(c->lines.size()) : 0;
}
void FakeUi::RemoveFirstLine(int control) {
  FakeControl* c = Find(control);
  if (!c || c->kind != ControlKind::TextArea || c->lines.empty()) return;
  c->lines.erase(c->lines.begin());
  LinesChanged(*c);
}
void FakeUi::ClearLines(int control) {
  FakeControl* c = Find(control);
  if (!c || c->kind != ControlKind::TextArea) return;
  c->lines.clear();
  LinesChanged(*c);
}
void FakeUi::SelectAllText(int control) {
  FakeControl* c = Find(control);
  if (!c || (c->kind != ControlKind::TextArea && c->kind != ControlKind::TextField)) return;
  c->allSelected = true;
  c->caretAtStart = false;
}
void FakeUi::SetCaretToStart(int control) {
  FakeControl* c = Find(control);
  if (!c || c->kind != ControlKind::TextArea) return;
  c->caretAtStart = true;
  c->allSelected = false;
}
void FakeUi::SetWordWrap(int control, bool wrap) {
  FakeControl* c = Find(control);
  if (c && c->kind == ControlKind::TextArea) c->wordWrap = wrap;
}

void FakeUi::SetShortcuts(std::span<const Shortcut> table) {
  shortcuts.assign(table.begin(), table.end());
}
bool FakeUi::CreatePopupMenu(std::span<const MenuItemSpec> items) {
  if (failMenuCreation) return false;
  for (const auto& item : items) {
    if (item.event != 0) menuItems[item.event] = {item.text, true};
  }
  menuCreated = true;
  return true;
}
void FakeUi::SetMenuItemText(int event, const std::string& text) {
  auto it = menuItems.find(event);
  if (it != menuItems.end()) it->second.text = text;
}
void FakeUi::SetMenuItemEnabled(int event, bool enabled) {
  auto it = menuItems.find(event);
  if (it != menuItems.end()) it->second.enabled = enabled;
}
int FakeUi::ShowPopupMenu(ScreenPoint at) {
  menuOpenedAt.push_back(at);
  if (menuChoices.empty()) return 0;
  const int choice = menuChoices.front();
  menuChoices.pop_front();
  // A disabled item cannot be chosen.
  auto it = menuItems.find(choice);
  if (it == menuItems.end() || !it->second.enabled) return 0;
  return choice;
}

std::string FakeUi::InputRequester(const std::string& requesterTitle, const std::string& prompt,
                                   const std::string& defaultText) {
  inputsAsked.push_back({requesterTitle, prompt, defaultText});
  if (inputAnswers.empty()) return {};
  std::string answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

std::string FakeUi::FolderRequester(const std::string& requesterTitle,
                                    const std::string& startFolder) {
  foldersAsked.push_back({requesterTitle, startFolder, {}});
  if (folderAnswers.empty()) return {};
  std::string answer = folderAnswers.front();
  folderAnswers.pop_front();
  return answer;
}

UiEvent FakeUi::WaitEvent(int milliseconds) {
  waits.push_back(milliseconds);
  if (beforeWait) beforeWait(*this);
  if (events.empty()) return UiEvent{UiEventKind::Close};
  const UiEvent event = events.front();
  events.pop_front();
  return event;
}

std::vector<std::string> FakeUi::ItemTexts(int control) {
  std::vector<std::string> texts;
  for (const auto& item : At(control).items) texts.push_back(item.text);
  return texts;
}

void FakeUi::QueueIdle(int count) {
  for (int i = 0; i < count; ++i) events.push_back(UiEvent{});
}
void FakeUi::QueueControl(int control, ControlEventType type) {
  UiEvent event;
  event.kind = UiEventKind::Control;
  event.number = control;
  event.type = type;
  events.push_back(event);
}
void FakeUi::QueueMenu(int event) {
  UiEvent e;
  e.kind = UiEventKind::Menu;
  e.number = event;
  events.push_back(e);
}

}  // namespace zebo::fake
