// A user interface that shows nothing and answers every question as if it were closed: for
// programs that have no window, such as the author's tool.
#pragma once

#include "platform/ui.h"

namespace zebo {

class NullUi : public Ui {
 public:
  MessageAnswer MessageBox(const std::string&, const std::string&, MessageButtons,
                           MessageIcon) override {
    return MessageAnswer::Closed;
  }
  UiFailure CreateMainWindow(const std::string&, int, int, std::span<const ControlSpec>) override {
    return UiFailure::MainWindow;
  }
  void ShowMainWindow() override {}
  void SetTitle(const std::string&) override {}
  std::string Title() override { return {}; }
  void SetStatusText(const std::string&) override {}
  ScreenPoint WindowOrigin() override { return {}; }
  bool ControlExists(int) override { return false; }
  void SetText(int, const std::string&) override {}
  std::string Text(int) override { return {}; }
  void SetEnabled(int, bool) override {}
  bool IsEnabled(int) override { return false; }
  void SetVisible(int, bool) override {}
  bool IsVisible(int) override { return false; }
  void SetFocus(int) override {}
  int FocusedControl() override { return 0; }
  void SetChecked(int, bool) override {}
  bool IsChecked(int) override { return false; }
  int AddItem(int, const std::string&, int) override { return -1; }
  void ClearItems(int) override {}
  int ItemCount(int) override { return 0; }
  std::string ItemText(int, int) override { return {}; }
  int ItemData(int, int) override { return 0; }
  void SelectItem(int, int) override {}
  int SelectedItem(int) override { return -1; }
  void SetItemChecked(int, int, bool) override {}
  bool IsItemChecked(int, int) override { return false; }
  void AppendLine(int, const std::string&) override {}
  int LineCount(int) override { return 0; }
  void RemoveFirstLine(int) override {}
  void ClearLines(int) override {}
  void SelectAllText(int) override {}
  void SetCaretToStart(int) override {}
  void SetWordWrap(int, bool) override {}
  void SetShortcuts(std::span<const Shortcut>) override {}
  bool CreatePopupMenu(std::span<const MenuItemSpec>) override { return false; }
  void SetMenuItemText(int, const std::string&) override {}
  void SetMenuItemEnabled(int, bool) override {}
  int ShowPopupMenu(ScreenPoint) override { return 0; }
  std::string InputRequester(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::string FolderRequester(const std::string&, const std::string&) override { return {}; }
  UiEvent WaitEvent(int) override { return UiEvent{UiEventKind::Close}; }
};

}  // namespace zebo
