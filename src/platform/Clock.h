#pragma once
#include <chrono>

namespace tx80 {

// Time for the threads and the recorder. Every wait of the program goes through
// here so that tests can run recording and playback on a clock they step.
class Clock {
 public:
  using Duration = std::chrono::nanoseconds;
  using TimePoint = std::chrono::time_point<std::chrono::steady_clock, Duration>;

  virtual ~Clock() = default;
  // Monotonic now, at the resolution of the high-resolution counter (the
  // performance counter on Windows); never goes back.
  virtual TimePoint Now() = 0;
  // Blocks the calling thread for about `ms` milliseconds (0 yields).
  virtual void Sleep(int ms) = 0;
  // Blocks until `deadline` and returns as close after it as the system allows
  // (within a few tens of microseconds on an idle machine); returns at once
  // when it has passed. Playback times its events with it.
  virtual void SleepUntil(TimePoint deadline) = 0;
};

}  // namespace tx80
