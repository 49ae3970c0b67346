#pragma once
#include <functional>
#include <mutex>

#include "platform/Clock.h"

namespace tx80 {

// Virtual time for tests: it stands still until someone sleeps, and every
// sleep moves it forward by exactly the time asked for and returns at once.
// A test may watch each advance (for example to set a stop flag once a given
// moment has passed) or move the time itself.
class SimClock : public Clock {
 public:
  TimePoint Now() override;
  void Sleep(int ms) override;
  void SleepUntil(TimePoint deadline) override;

  // Moves the time forward by `by` (nothing for a negative amount).
  void Advance(Duration by);
  // Called after every advance with the new time, on the thread that slept.
  // Set it before the clock is shared with another thread.
  void OnAdvance(std::function<void(TimePoint)> observer);
  // Milliseconds since time 0.
  int64_t ElapsedMs();

 private:
  std::mutex mutex_;
  TimePoint now_{};
  std::function<void(TimePoint)> observer_;
};

}  // namespace tx80
