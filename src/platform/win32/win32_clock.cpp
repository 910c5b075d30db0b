// Local calendar time, sleeping and the millisecond counter from Windows.
#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_api.h"

namespace zebo::win32 {

LocalTime Win32Clock::Now() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void Win32Clock::Sleep(int milliseconds) {
  if (milliseconds > 0) ::Sleep(static_cast<DWORD>(milliseconds));
}

uint64_t Win32Clock::Ticks() {
  return ::GetTickCount64();
}

}  // namespace zebo::win32
