#include "platform/sim/SimClock.h"

namespace tx80 {

Clock::TimePoint SimClock::Now() {
  std::lock_guard lock(mutex_);
  return now_;
}

void SimClock::Sleep(int ms) { Advance(std::chrono::milliseconds(ms)); }

void SimClock::SleepUntil(TimePoint deadline) { Advance(deadline - Now()); }

void SimClock::Advance(Duration by) {
  TimePoint now;
  std::function<void(TimePoint)> observer;
  {
    std::lock_guard lock(mutex_);
    if (by > Duration::zero()) now_ += by;
    now = now_;
    observer = observer_;
  }
  // Outside the lock, so that the observer may read the clock.
  if (observer) observer(now);
}

void SimClock::OnAdvance(std::function<void(TimePoint)> observer) {
  std::lock_guard lock(mutex_);
  observer_ = std::move(observer);
}

int64_t SimClock::ElapsedMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Now().time_since_epoch()).count();
}

}  // namespace tx80
