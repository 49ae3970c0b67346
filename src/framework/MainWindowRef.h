#pragma once
#include <cstdint>
#include <mutex>

namespace tx80 {

class WindowHost;

// The main window as the other threads see it: set when the window exists and
// cleared the moment it is destroyed, so that a late request from a background
// thread reaches no window (and never a host that is gone).
class MainWindowRef {
 public:
  void Set(WindowHost* host);
  void Clear() { Set(nullptr); }
  // Requests a repaint of the whole window; nothing once it is gone.
  void Invalidate();
  // Posts a message to the window; nothing once it is gone.
  void Post(uint32_t id, uintptr_t wParam, intptr_t lParam);

 private:
  std::mutex mutex_;
  WindowHost* host_ = nullptr;
};

}  // namespace tx80
