// Reading windows and controls of another process: texts, classes, the focus.
#include "tests/e2e/harness/harness.h"

namespace zebo::e2e {

std::wstring WindowText(HWND window) {
  if (!window) return L"";
  // WM_GETTEXT reaches controls of other processes too, which GetWindowTextW does not.
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return L"";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &copied)) {
    return L"";
  }
  text.resize(copied);
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  const int length = ::GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring MessageBoxText(HWND box) {
  return WindowText(::GetDlgItem(box, 0xFFFF));
}

HWND Control(HWND window, int id) {
  return ::GetDlgItem(window, id);
}

HWND FocusedControl(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

int FocusedControlId(HWND window) {
  HWND focused = FocusedControl(window);
  return focused ? ::GetDlgCtrlID(focused) : 0;
}

}  // namespace zebo::e2e
