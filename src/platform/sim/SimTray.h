#pragma once
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Tray.h"

namespace tx80 {

class SimDesktop;

// The notification area as one program sees it: its icon and every call
// made, in order.
class SimTray : public Tray {
 public:
  static constexpr uint32_t kShellRestartMessage = 0xC0DE;  // a registered message's range
  explicit SimTray(SimDesktop& desktop) : desktop_(desktop) {}

  bool Add(WindowHost& window, const TrayIcon& icon) override;
  void SetTip(WindowHost& window, const TrayIcon& icon) override;
  // The next `count` adds fail, as with a shell that is starting.
  void FailAdds(int count);
  void Remove(WindowHost& window, const TrayIcon& icon) override;
  uint32_t ShellRestartMessage() override { return kShellRestartMessage; }

  bool IconShown() const;
  // The tip of the icon shown (empty when none).
  std::u16string Tip() const;
  int Removals() const;
  struct Call {
    bool add;  // false: a removal
    std::u16string tip;
    WindowHost* window;
    bool windowShown;  // the window was on screen when the call came
    bool failed = false;  // an add the shell did not take
  };
  std::vector<Call> Calls() const;
  // The shell starts afresh: the icon is gone, and ShellRestartMessage is
  // posted to every window of the desktop.
  void RestartShell();

 private:
  SimDesktop& desktop_;
  mutable std::mutex mutex_;
  bool shown_ = false;
  std::u16string tip_;
  int failingAdds_ = 0;
  std::vector<Call> calls_;
};

}  // namespace tx80
