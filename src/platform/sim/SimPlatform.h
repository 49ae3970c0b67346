#pragma once
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimHidBus.h"
#include "platform/sim/SimInputInjector.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

// Message boxes are recorded, never shown.
class SimDialogs : public Dialogs {
 public:
  struct Shown {
    std::u16string text;
    std::u16string caption;
    bool owned;
  };
  void MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
  std::vector<Shown> Messages() const;

 private:
  mutable std::mutex mutex_;
  std::vector<Shown> shown_;
};

class SimSingleInstance : public SingleInstance {
 public:
  explicit SimSingleInstance(SimDesktop& desktop) : desktop_(desktop) {}
  bool AlreadyRunning(std::u16string_view mutexName) override;
  bool RestoreWindow(std::u16string_view caption) override;
  void Release() override;

 private:
  SimDesktop& desktop_;
  std::u16string held_;
};

// Threads are kept, not started: tests drive the loops step by step, or run a
// kept body on a thread of their own.
class SimThreads : public Threads {
 public:
  struct Kept {
    std::function<void()> body;
    ThreadPriority priority;
  };
  void Start(std::function<void()> body, ThreadPriority priority) override;
  std::vector<Kept> Started() const;

 private:
  mutable std::mutex mutex_;
  std::vector<Kept> started_;
};

class SimTray : public Tray {
 public:
  void Add(WindowHost& window, const TrayIcon& icon) override;
  void Remove(WindowHost& window, const TrayIcon& icon) override;
  bool IconShown() const;
  int Removals() const;

 private:
  mutable std::mutex mutex_;
  bool shown_ = false;
  int removals_ = 0;
};

// One program's simulated operating system, on a desktop it may share with
// other programs.
class SimPlatform {
 public:
  explicit SimPlatform(SimDesktop& desktop);

  SimDesktop& desktop;
  SimClock clock;
  SimDialogs dialogs;
  SimHidBus hid;
  SimInputInjector input;
  SimSingleInstance singleInstance;
  SimThreads threads;
  SimTray tray;
  SimWindowSystem windows;
  Platform platform;
};

}  // namespace tx80
