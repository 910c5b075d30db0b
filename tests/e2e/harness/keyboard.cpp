// Real key presses through the system's input queue, as a keyboard user makes them.
#include <vector>

#include "tests/e2e/harness/harness.h"

namespace zebo::e2e {
namespace {

bool Extended(WORD key) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
    case VK_APPS:
      return true;
    default:
      return false;
  }
}

INPUT Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (Extended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

void Send(std::vector<INPUT>& inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  ::Sleep(50);  // lets the receiving program take the keys before the next ones come
}

}  // namespace

bool Activate(HWND window, DWORD limitMs) {
  if (::GetForegroundWindow() == window) return true;
  ::SetForegroundWindow(window);
  return WaitUntil([&] { return ::GetForegroundWindow() == window; }, limitMs);
}

void PressKey(WORD virtualKey, int modifiers) {
  const WORD held[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
  std::vector<INPUT> inputs;
  for (int i = 0; i < 3; ++i) {
    if (modifiers & (1 << i)) inputs.push_back(Key(held[i], false));
  }
  inputs.push_back(Key(virtualKey, false));
  inputs.push_back(Key(virtualKey, true));
  for (int i = 2; i >= 0; --i) {
    if (modifiers & (1 << i)) inputs.push_back(Key(held[i], true));
  }
  Send(inputs);
}

bool PressKeyIn(HWND window, WORD virtualKey, int modifiers) {
  if (!Activate(window)) return false;
  PressKey(virtualKey, modifiers);
  return true;
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  Send(inputs);
}

}  // namespace zebo::e2e
