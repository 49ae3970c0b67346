#include "device/PendingSystemMouse.h"

#include "platform/SystemMouse.h"

namespace tx80 {

void PendingSystemMouse::Want(Settings settings) {
  std::lock_guard lock(mutex_);
  wanted_ = settings;
  ++serial_;
}

void PendingSystemMouse::Set(SystemMouse& system) {
  for (;;) {
    Settings settings;
    uint64_t serial = 0;
    {
      std::lock_guard lock(mutex_);
      settings = wanted_;
      serial = serial_;
    }
    if (system.PointerSpeed()) system.SetPointerSpeed(settings.pointerSpeed);
    if (system.WheelScrollLines()) system.SetWheelScrollLines(settings.wheelLines);
    // A newer wish may have been set before this one finished: set it again,
    // so that the last setting made is never a stale one.
    std::lock_guard lock(mutex_);
    if (serial_ == serial) return;
  }
}

}  // namespace tx80
