#pragma once
#include <optional>

namespace tx80 {

// The system-wide pointer speed and wheel scroll lines. The program only sets a
// value when reading it succeeded, so each getter can report failure.
class SystemMouse {
 public:
  virtual ~SystemMouse() = default;
  virtual std::optional<int> PointerSpeed() = 0;
  // Sets the speed (1..20) and saves it to the user profile, broadcasting the change.
  virtual void SetPointerSpeed(int speed) = 0;
  virtual std::optional<unsigned> WheelScrollLines() = 0;
  // Sets the lines per notch and saves them, without a change broadcast.
  virtual void SetWheelScrollLines(unsigned lines) = 0;
};

}  // namespace tx80
