// The user interface on Windows: the main window built from the control table, its controls by
// number, the requesters, the popup menu, the shortcuts and the event wait.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "platform/win32/handles.h"
#include "platform/win32/windows_api.h"

namespace zebo::win32 {

struct GdiObjectTraits {
  using Type = HGDIOBJ;
  static bool Valid(HGDIOBJ h) { return h != nullptr; }
  static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};
struct MenuTraits {
  using Type = HMENU;
  static bool Valid(HMENU h) { return h != nullptr; }
  static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct AcceleratorTraits {
  using Type = HACCEL;
  static bool Valid(HACCEL h) { return h != nullptr; }
  static void Close(HACCEL h) { ::DestroyAcceleratorTable(h); }
};
struct WindowTraits {
  using Type = HWND;
  static bool Valid(HWND h) { return h != nullptr; }
  static void Close(HWND h) { ::DestroyWindow(h); }
};
using GdiObject = UniqueHandle<GdiObjectTraits>;
using Menu = UniqueHandle<MenuTraits>;
using Accelerators = UniqueHandle<AcceleratorTraits>;
using Window = UniqueHandle<WindowTraits>;

class Win32Ui : public Ui {
 public:
  Win32Ui();
  ~Win32Ui() override;
  Win32Ui(const Win32Ui&) = delete;
  Win32Ui& operator=(const Win32Ui&) = delete;

  MessageAnswer MessageBox(const std::string& title, const std::string& text,
                           MessageButtons buttons, MessageIcon icon) override;

  UiFailure CreateMainWindow(const std::string& title, int width, int height,
                             std::span<const ControlSpec> controls) override;
  void ShowMainWindow() override;
  void SetTitle(const std::string& title) override;
  std::string Title() override;
  void SetStatusText(const std::string& text) override;
  ScreenPoint WindowOrigin() override;

  bool ControlExists(int control) override;
  void SetText(int control, const std::string& text) override;
  std::string Text(int control) override;
  void SetEnabled(int control, bool enabled) override;
  bool IsEnabled(int control) override;
  void SetVisible(int control, bool visible) override;
  bool IsVisible(int control) override;
  void SetFocus(int control) override;
  int FocusedControl() override;

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

  void SetShortcuts(std::span<const Shortcut> shortcuts) override;
  bool CreatePopupMenu(std::span<const MenuItemSpec> items) override;
  void SetMenuItemText(int event, const std::string& text) override;
  void SetMenuItemEnabled(int event, bool enabled) override;
  int ShowPopupMenu(ScreenPoint at) override;

  std::string InputRequester(const std::string& title, const std::string& prompt,
                             const std::string& defaultText) override;
  std::string FolderRequester(const std::string& title, const std::string& startFolder) override;

  UiEvent WaitEvent(int milliseconds) override;

  // The window that owns message boxes and requesters; none until the main window exists.
  HWND owner = nullptr;
  // The main window's handle, for tests that look at the real controls.
  HWND MainWindowHandle() const { return main_.Get(); }
  HWND ControlHandle(int control) const;

 private:
  struct Control {
    ControlSpec spec;
    HWND hwnd = nullptr;
    std::vector<std::string> lines;  // a text area's lines, as the program wrote them
  };

  static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMain(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void HandleCommand(WPARAM wparam, LPARAM lparam);
  void HandleNotify(const NMHDR& header);
  void Post(UiEvent event);

  bool CreateControl(Control& control);
  void ApplyDpi(UINT dpi);
  int Scale(int pixels) const;
  Control* Find(int control, ControlKind kind);
  Control* Find(int control);
  int NumberOf(HWND hwnd) const;
  void SetAreaText(Control& area);
  void ReplaceAreaRange(Control& area, LONG start, LONG end, const std::wstring& text);

  bool comReady_ = false;
  HMODULE richEdit_ = nullptr;
  const wchar_t* richEditClass_ = L"";
  Window main_;
  HWND status_ = nullptr;
  GdiObject font_;
  UINT dpi_ = 96;
  int width_ = 0, height_ = 0;
  std::map<int, Control> controls_;
  std::map<HWND, int> numbers_;
  Accelerators accelerators_;
  Menu popup_;
  std::deque<UiEvent> pending_;
  HWND savedFocus_ = nullptr;  // restored when the window is activated again
  int quiet_ = 0;              // above 0 while the program itself changes a control
};

}  // namespace zebo::win32
