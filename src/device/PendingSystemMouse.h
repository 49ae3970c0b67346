#pragma once
#include <cstdint>
#include <mutex>

namespace tx80 {

class SystemMouse;

// The pointer speed and wheel lines the latest apply asks of the system. The
// system broadcasts a speed change to every window, the program's own
// included, and waits for them: so an apply records its wish under the
// profile lock, where applies are ordered, and sets it once the lock is
// released. However two applies on two threads interleave, the system ends
// with the latest wish.
class PendingSystemMouse {
 public:
  struct Settings {
    int pointerSpeed = 0;
    unsigned wheelLines = 0;
  };

  // Under DriverState::profileOperation: the wish of the apply running there.
  void Want(Settings settings);
  // With no lock held: sets the latest wish (each value only when reading its
  // current value succeeds), and again if a newer one came meanwhile.
  void Set(SystemMouse& system);

 private:
  std::mutex mutex_;
  Settings wanted_;
  uint64_t serial_ = 0;  // counts the wishes
};

}  // namespace tx80
