#pragma once
#include <chrono>
#include <thread>

#include "platform/Clock.h"

namespace tx80::bench {

// The real clock of the machine the benchmark runs on.
class SteadyClock : public Clock {
 public:
  TimePoint Now() override { return std::chrono::time_point_cast<Duration>(std::chrono::steady_clock::now()); }
  void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  void SleepUntil(TimePoint deadline) override { std::this_thread::sleep_until(deadline); }
};

}  // namespace tx80::bench
