// Time services: the local calendar time and sleeping.
#pragma once

#include <cstdint>

namespace zebo {

struct LocalTime {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  virtual void Sleep(int milliseconds) = 0;
  // Milliseconds from an arbitrary start, for measuring waits.
  virtual uint64_t Ticks() = 0;
};

}  // namespace zebo
