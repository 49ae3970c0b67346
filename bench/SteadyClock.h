#pragma once
#include <chrono>
#include <ctime>
#include <thread>

#include "platform/Clock.h"

namespace tx80::bench {

// The real clock of the machine the benchmark runs on.
class SteadyClock : public Clock {
 public:
  TimePoint Now() override { return std::chrono::time_point_cast<Duration>(std::chrono::steady_clock::now()); }
  void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  void SleepUntil(TimePoint deadline) override { std::this_thread::sleep_until(deadline); }
  TimeOfDay SystemTimeOfDay() override {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto ms = duration_cast<milliseconds>(now - floor<days>(now)).count();
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60), static_cast<int>(ms / 1000 % 60),
            static_cast<int>(ms % 1000)};
  }
};

}  // namespace tx80::bench
