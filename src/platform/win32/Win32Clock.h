#pragma once
#include "platform/Clock.h"

namespace tx80 {

class Win32Clock final : public Clock {
 public:
  TimePoint Now() override;
  void Sleep(int ms) override;
  void SleepUntil(TimePoint deadline) override;
};

}  // namespace tx80
