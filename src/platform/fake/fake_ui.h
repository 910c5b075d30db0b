// A headless user interface for native tests: it keeps every control's state for the test to read,
// answers message boxes, requesters and the popup menu from a script, and replays a scripted queue
// of events.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace zebo::fake {

struct ShownMessage {
  std::string title;
  std::string text;
  MessageButtons buttons;
};

struct AskedRequester {
  std::string title;
  std::string prompt;  // the prompt, or the starting folder of a folder requester
  std::string defaultText;
};

struct FakeItem {
  std::string text;
  int data = 0;
  bool checked = false;
};

struct FakeControl {
  ControlKind kind = ControlKind::Static;
  int parent = 0;
  std::string text;
  uint32_t style = 0;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  std::vector<FakeItem> items;
  int selected = -1;
  std::vector<std::string> lines;  // text areas
  bool wordWrap = false;
  bool caretAtStart = false;  // set by SetCaretToStart, cleared by any change of the lines
  bool allSelected = false;   // set by SelectAllText, cleared by any change of the lines
};

struct FakeMenuItem {
  std::string text;
  bool enabled = true;
};

class FakeUi : public Ui {
 public:
  MessageAnswer MessageBox(const std::string& title, const std::string& text,
                           MessageButtons buttons, MessageIcon icon) override;

  UiFailure CreateMainWindow(const std::string& title, int width, int height,
                             std::span<const ControlSpec> controls) override;
  void ShowMainWindow() override { windowShown = true; }
  void SetTitle(const std::string& text) override { title = text; }
  std::string Title() override { return title; }
  void SetStatusText(const std::string& text) override { statusText = text; }
  ScreenPoint WindowOrigin() override { return origin; }

  bool ControlExists(int control) override { return Find(control) != nullptr; }
  void SetText(int control, const std::string& text) override;
  std::string Text(int control) override;
  void SetEnabled(int control, bool enabled) override;
  bool IsEnabled(int control) override;
  void SetVisible(int control, bool visible) override;
  bool IsVisible(int control) override;
  void SetFocus(int control) override;
  int FocusedControl() override { return focused; }

  void SetChecked(int control, bool checked) override;
  bool IsChecked(int control) override;

  int AddItem(int control, const std::string& text, int data) override;
  void ClearItems(int control) override;
  int ItemCount(int control) override;
  std::string ItemText(int control, int index) override;
  int ItemData(int control, int index) override;
  void SelectItem(int control, int index) override;
  int SelectedItem(int control) override;
  void SetItemChecked(int control, int index, bool checked) override;
  bool IsItemChecked(int control, int index) override;

  void AppendLine(int control, const std::string& line) override;
  int LineCount(int control) override;
  void RemoveFirstLine(int control) override;
  void ClearLines(int control) override;
  void SelectAllText(int control) override;
  void SetCaretToStart(int control) override;
  void SetWordWrap(int control, bool wrap) override;

  void SetShortcuts(std::span<const Shortcut> table) override;
  bool CreatePopupMenu(std::span<const MenuItemSpec> items) override;
  void SetMenuItemText(int event, const std::string& text) override;
  void SetMenuItemEnabled(int event, bool enabled) override;
  int ShowPopupMenu(ScreenPoint at) override;

  std::string InputRequester(const std::string& title, const std::string& prompt,
                             const std::string& defaultText) override;
  std::string FolderRequester(const std::string& title, const std::string& startFolder) override;

  UiEvent WaitEvent(int milliseconds) override;

  // --- For tests ---
  // The control's record, or nullptr for a number the window does not have.
  FakeControl* Find(int control);
  FakeControl& At(int control);  // throws std::out_of_range for a missing control
  // Visible and enabled, with its container (if any) visible and enabled too: what a user reaches.
  bool IsReachable(int control);
  std::vector<std::string> Lines(int control) { return At(control).lines; }
  std::vector<std::string> ItemTexts(int control);
  // Queues `count` waits that bring no event.
  void QueueIdle(int count);
  void QueueControl(int control, ControlEventType type = ControlEventType::Clicked);
  void QueueMenu(int event);

  // Message boxes: answers given in turn; when none is left, OK boxes answer Ok and Yes/No boxes
  // answer No.
  std::deque<MessageAnswer> answers;
  std::vector<ShownMessage> messages;
  // Requesters answer in turn; "" (as Escape) when none is left.
  std::deque<std::string> inputAnswers;
  std::vector<AskedRequester> inputsAsked;
  std::deque<std::string> folderAnswers;
  std::vector<AskedRequester> foldersAsked;
  // The popup menu: the item chosen at each opening in turn (0 = left without a choice).
  std::deque<int> menuChoices;
  std::vector<ScreenPoint> menuOpenedAt;
  std::map<int, FakeMenuItem> menuItems;
  bool menuCreated = false;
  bool failMenuCreation = false;
  std::vector<Shortcut> shortcuts;
  // Events replayed by WaitEvent; when none is left the wait brings a Close event, so a loop under
  // test always ends.
  std::deque<UiEvent> events;
  std::vector<int> waits;  // the time-out of every wait
  // Called at the start of every wait, before the queue is read: lets a test act between events.
  std::function<void(FakeUi&)> beforeWait;

  // The window.
  bool windowCreated = false;
  bool windowShown = false;
  std::string title;
  std::string statusText;
  ScreenPoint origin{200, 100};
  int width = 0, height = 0;
  std::vector<int> creationOrder;
  // Creation fails at this control number (or at the window with 0, the status bar with -1).
  int failAtControl = -2;
  int focused = 0;
  std::vector<int> focusHistory;  // every control that received the focus, in order

 private:
  std::map<int, FakeControl> controls_;
};

}  // namespace zebo::fake
