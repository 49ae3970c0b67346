#pragma once
#include <cstdint>
#include <string>

#include "platform/ForegroundWatch.h"

namespace tx80 {

// The window in front is the one a test brings there. Like the system's watch
// it reports events and looks without telling changes from repeats.
class SimForegroundWatch final : public ForegroundWatch {
 public:
  void Watch(WindowHost& window, uint32_t message) override;
  ForegroundWindow Foreground() override { return front_; }

  // A new window of the program whose image is `imagePath` comes to the front
  // (empty: one whose process cannot be queried): the watching window is
  // told, like by the system's event.
  void BringToFront(std::u16string_view imagePath);
  // The backend's regular look: the watching window is told, though the same
  // window is still in front.
  void Look();
  bool Watching() const { return window_ != nullptr; }

 private:
  WindowHost* window_ = nullptr;
  uint32_t message_ = 0;
  ForegroundWindow front_;
  uintptr_t windowsMade_ = 0;
};

}  // namespace tx80
