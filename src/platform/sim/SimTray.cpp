#include "platform/sim/SimTray.h"

#include <algorithm>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

bool SimTray::Add(WindowHost& window, const TrayIcon& icon) {
  const bool windowShown = window.IsVisible();
  std::lock_guard lock(mutex_);
  const bool failed = failingAdds_ > 0;
  if (failed) {
    --failingAdds_;
  } else {
    shown_ = true;
    tip_ = icon.tip;
  }
  calls_.push_back({true, icon.tip, &window, windowShown, failed});
  return !failed;
}

void SimTray::SetTip(WindowHost&, const TrayIcon& icon) {
  std::lock_guard lock(mutex_);
  // The shell refuses to change an icon it does not show.
  if (shown_) tip_ = icon.tip;
}

void SimTray::FailAdds(int count) {
  std::lock_guard lock(mutex_);
  failingAdds_ = count;
}

std::u16string SimTray::Tip() const {
  std::lock_guard lock(mutex_);
  return shown_ ? tip_ : std::u16string();
}

void SimTray::Remove(WindowHost& window, const TrayIcon& icon) {
  const bool windowShown = window.IsVisible();
  std::lock_guard lock(mutex_);
  shown_ = false;
  calls_.push_back({false, icon.tip, &window, windowShown});
}

bool SimTray::IconShown() const {
  std::lock_guard lock(mutex_);
  return shown_;
}

int SimTray::Removals() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(std::count_if(calls_.begin(), calls_.end(), [](const Call& c) { return !c.add; }));
}

std::vector<SimTray::Call> SimTray::Calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

void SimTray::RestartShell() {
  {
    std::lock_guard lock(mutex_);
    shown_ = false;
  }
  for (SimWindowHost* window : desktop_.Windows()) window->Post(kShellRestartMessage, 0, 0);
}

}  // namespace tx80
