#pragma once
#include <cstdint>
#include <string>

namespace tx80 {

class WindowHost;

// The window in the foreground, as the system tells it.
struct ForegroundWindow {
  // Equal for the same window, different for another; 0 when none is in front.
  uintptr_t identity = 0;
  // The full path of the image of the window's process ("C:\Games\game.exe");
  // empty when there is no window or the process cannot be queried.
  std::u16string imagePath;
};

// Which window the user works in. The watch only reports; the program decides
// what counts as a change. UI thread only.
class ForegroundWatch {
 public:
  virtual ~ForegroundWatch() = default;
  // From now on `message` is posted to `window` (no parameters) at each
  // foreground event of the system and at each look the backend takes on its
  // own, whether or not another window came to the front. Called once; the
  // watch lasts until the program ends, and a window that is gone is not
  // posted to.
  virtual void Watch(WindowHost& window, uint32_t message) = 0;
  // The window in the foreground now.
  virtual ForegroundWindow Foreground() = 0;
};

}  // namespace tx80
