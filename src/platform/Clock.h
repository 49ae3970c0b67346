#pragma once
#include <chrono>

namespace tx80 {

// Wall-clock time of day as the system reports it (UTC), for the recording timer.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Time for the threads and the recorder. Every wait of the program goes through
// here so that tests can run recording and playback on a clock they step.
class Clock {
 public:
  using Duration = std::chrono::nanoseconds;
  using TimePoint = std::chrono::time_point<std::chrono::steady_clock, Duration>;

  virtual ~Clock() = default;
  // Monotonic now; never goes back.
  virtual TimePoint Now() = 0;
  // Blocks the calling thread for about `ms` milliseconds (0 yields).
  virtual void Sleep(int ms) = 0;
  // Blocks until `deadline`; returns at once when it has passed. Playback uses it
  // so that a long macro does not drift.
  virtual void SleepUntil(TimePoint deadline) = 0;
  // System time of day (GetSystemTime on Windows).
  virtual TimeOfDay SystemTimeOfDay() = 0;
};

}  // namespace tx80
