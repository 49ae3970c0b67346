#pragma once
#include <cstdint>
#include <string>

namespace tx80 {

class WindowHost;

// Which program the user works in: the program whose window is in the
// foreground. UI thread only.
class ForegroundWatch {
 public:
  virtual ~ForegroundWatch() = default;
  // From now on, each time another window comes to the foreground, `message`
  // is posted to `window` (no parameters). Called once; the watch lasts until
  // the program ends, and a window that is gone is not posted to.
  virtual void Watch(WindowHost& window, uint32_t message) = 0;
  // The file name (no folder, "game.exe") of the program that owns the
  // foreground window now; empty when there is none or it cannot be told.
  virtual std::u16string ForegroundProgram() = 0;
};

}  // namespace tx80
