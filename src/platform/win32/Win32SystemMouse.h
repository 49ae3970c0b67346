#pragma once
#include "platform/SystemMouse.h"

namespace tx80 {

class Win32SystemMouse final : public SystemMouse {
 public:
  std::optional<int> PointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<unsigned> WheelScrollLines() override;
  void SetWheelScrollLines(unsigned lines) override;
};

}  // namespace tx80
