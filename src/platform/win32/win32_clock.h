// Time services from the Windows clock.
#pragma once

#include "platform/clock.h"

namespace zebo::win32 {

class Win32Clock : public Clock {
 public:
  LocalTime Now() override;
  void Sleep(int milliseconds) override;
  uint64_t Ticks() override;
};

}  // namespace zebo::win32
