#pragma once
#include <string_view>

namespace tx80 {

// The named mutex that keeps one copy of the program running, and the way a
// second copy brings the first one's window back.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // Creates the named mutex (kept open for the life of the process); true when
  // another process already holds one of that name.
  virtual bool AlreadyRunning(std::u16string_view mutexName) = 0;
  // Finds a top-level window by its caption and restores it; false when none.
  virtual bool RestoreWindow(std::u16string_view caption) = 0;
  // Closes the mutex handle (the second copy does before it exits).
  virtual void Release() = 0;
};

}  // namespace tx80
