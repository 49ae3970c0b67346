#include "platform/sim/SimDesktop.h"

#include <algorithm>

#include "platform/sim/SimWindow.h"

namespace tx80 {

bool SimDesktop::TakeMutex(const std::u16string& name) {
  std::lock_guard lock(mutex_);
  if (administratorMutexes_.contains(name)) return false;
  const bool existed = mutexes_.contains(name);
  mutexes_.insert(name);  // like the system, the second creator gets a handle too
  return !existed;
}

void SimDesktop::HoldMutexAsAdministrator(const std::u16string& name) {
  std::lock_guard lock(mutex_);
  administratorMutexes_.insert(name);
}

void SimDesktop::ReleaseMutex(const std::u16string& name) {
  std::lock_guard lock(mutex_);
  if (auto it = mutexes_.find(name); it != mutexes_.end()) mutexes_.erase(it);
}

void SimDesktop::AddWindow(SimWindowHost* window) {
  std::lock_guard lock(mutex_);
  windows_.push_back(window);
}

void SimDesktop::RemoveWindow(SimWindowHost* window) {
  std::lock_guard lock(mutex_);
  std::erase(windows_, window);
}

SimWindowHost* SimDesktop::FindWindow(std::u16string_view caption) {
  std::lock_guard lock(mutex_);
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](SimWindowHost* w) { return w->Caption() == caption; });
  return it == windows_.end() ? nullptr : *it;
}

std::vector<SimWindowHost*> SimDesktop::Windows() {
  std::lock_guard lock(mutex_);
  return windows_;
}

std::optional<int> SimSystemMouse::PointerSpeed() {
  std::lock_guard lock(mutex_);
  if (readsFail) return std::nullopt;
  return speed;
}

void SimSystemMouse::SetPointerSpeed(int value) {
  {
    std::lock_guard lock(mutex_);
    speed = value;
    ++speedSets;
  }
  if (broadcast) broadcast();
}

std::optional<unsigned> SimSystemMouse::WheelScrollLines() {
  std::lock_guard lock(mutex_);
  if (readsFail) return std::nullopt;
  return wheelLines;
}

void SimSystemMouse::SetWheelScrollLines(unsigned lines) {
  std::lock_guard lock(mutex_);
  wheelLines = lines;
  ++wheelSets;
}

}  // namespace tx80
