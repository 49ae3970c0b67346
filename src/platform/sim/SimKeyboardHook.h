#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/KeyboardHook.h"

namespace tx80 {

class SimClock;
class SimDesktop;

// The desktop's keyboard. While a capture is installed, what the test types
// goes to its handler first; a key it passes on, or any key while none is
// installed, goes to whatever program has the focus (kept in Unhooked). Posted key messages reach the desktop's window of that
// caption, to be delivered by its message loop.
class SimKeyboardHook final : public KeyboardHook {
 public:
  SimKeyboardHook(SimDesktop& desktop, SimClock& clock) : desktop_(desktop), clock_(clock) {}

  bool Install(Handler handler) override;
  void Remove() override;
  void PostToWindow(std::u16string_view caption, uint32_t message, uint32_t virtualKey) override;

  // One key message typed now.
  void Type(uint32_t message, uint32_t virtualKey);
  // One key message typed when the clock reaches `elapsedMs` after its time 0
  // (the clock is moved forward; it never goes back).
  void TypeAt(int64_t elapsedMs, uint32_t message, uint32_t virtualKey);

  bool Installed() const { return static_cast<bool>(handler_); }
  int Installs() const { return installs_; }
  struct Key {
    uint32_t message;
    uint32_t virtualKey;
  };
  const std::vector<Key>& Unhooked() const { return unhooked_; }
  // Key messages posted to a caption no window has.
  int Lost() const { return lost_; }
  // The refusal of the system to install a capture.
  bool refuseInstall = false;

 private:
  SimDesktop& desktop_;
  SimClock& clock_;
  Handler handler_;
  int installs_ = 0;
  int lost_ = 0;
  std::vector<Key> unhooked_;
};

}  // namespace tx80
