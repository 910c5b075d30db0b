// Time services from the Windows clock.
#pragma once

#include "platform/clock.h"
// Last: undoes the A/W renames of <windows.h> if a file included it before us.
#include "platform/win32/windows_api.h"

namespace zebo::win32 {

class Win32Clock : public Clock {
 public:
  LocalTime Now() override;
  void Sleep(int milliseconds) override;
  uint64_t Ticks() override;
};

}  // namespace zebo::win32
