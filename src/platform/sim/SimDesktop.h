#pragma once
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/SystemMouse.h"

namespace tx80 {

class SimWindowHost;

// The system pointer speed and wheel lines, with a switch to make reads fail.
class SimSystemMouse : public SystemMouse {
 public:
  std::optional<int> PointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<unsigned> WheelScrollLines() override;
  void SetWheelScrollLines(unsigned lines) override;

  int speed = 10;
  unsigned wheelLines = 3;
  bool readsFail = false;
  int speedSets = 0;
  int wheelSets = 0;
  // Stands for the broadcast that follows a speed change, which waits on every
  // window, the program's own included: called on the setting thread once the
  // speed is stored. Set it before the program's threads run.
  std::function<void()> broadcast;

 private:
  std::mutex mutex_;
};

// What the programs of one simulated machine share: named mutexes, top-level
// windows, the system mouse settings. A test that runs two copies of the
// program gives both the same desktop.
class SimDesktop {
 public:
  // Returns false when the name was already taken.
  bool TakeMutex(const std::u16string& name);
  void ReleaseMutex(const std::u16string& name);
  // A copy run as administrator holds the name: a normal program's create
  // is refused (access denied), and it gets no handle.
  void HoldMutexAsAdministrator(const std::u16string& name);

  void AddWindow(SimWindowHost* window);
  void RemoveWindow(SimWindowHost* window);
  SimWindowHost* FindWindow(std::u16string_view caption);
  std::vector<SimWindowHost*> Windows();

  SimSystemMouse systemMouse;

 private:
  std::mutex mutex_;
  std::multiset<std::u16string> mutexes_;
  std::set<std::u16string> administratorMutexes_;
  std::vector<SimWindowHost*> windows_;
};

}  // namespace tx80
