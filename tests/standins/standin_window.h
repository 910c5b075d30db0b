// A program that does nothing but stay alive behind one hidden window of a known class, until the
// window is closed: enough to be found by name in the process list and ended politely.
#pragma once

#include <windows.h>

namespace standin {

inline LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

inline int StayUntilClosed(HINSTANCE instance, const wchar_t* windowClass) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = windowClass;
  if (!RegisterClassW(&wc)) return 2;
  // Never shown: a top-level window, so FindWindow sees it, without WS_VISIBLE.
  if (!CreateWindowExW(0, windowClass, windowClass, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                       nullptr, instance, nullptr)) {
    return 2;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace standin
