#include "platform/sim/SimPlatform.h"

#include <algorithm>

#include "platform/sim/SimWindow.h"

namespace tx80 {

void SimDialogs::MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) {
  std::lock_guard lock(mutex_);
  shown_.push_back({std::u16string(text), std::u16string(caption), owner != nullptr});
}

std::vector<SimDialogs::Shown> SimDialogs::Messages() const {
  std::lock_guard lock(mutex_);
  return shown_;
}

bool SimDialogs::AskYesNo(WindowHost* owner, std::u16string_view text, std::u16string_view caption) {
  std::lock_guard lock(mutex_);
  questions_.push_back({std::u16string(text), std::u16string(caption), owner != nullptr});
  if (yesNoAnswers.empty()) return false;
  const bool yes = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return yes;
}

std::vector<SimDialogs::Shown> SimDialogs::Questions() const {
  std::lock_guard lock(mutex_);
  return questions_;
}

bool SimSingleInstance::AlreadyRunning(std::u16string_view mutexName) {
  held_ = mutexName;
  return !desktop_.TakeMutex(held_);
}

bool SimSingleInstance::RestoreWindow(std::u16string_view caption) {
  SimWindowHost* window = desktop_.FindWindow(caption);
  if (!window) return false;
  window->Show(ShowMode::Restore);
  return true;
}

void SimSingleInstance::Release() {
  if (!held_.empty()) desktop_.ReleaseMutex(held_);
  held_.clear();
}

void SimThreads::Start(std::function<void()> body, ThreadPriority priority) {
  std::lock_guard lock(mutex_);
  started_.push_back({std::move(body), priority});
}

void SimThreads::CreateNamedEvent(std::u16string_view name) {
  std::lock_guard lock(mutex_);
  events_.emplace_back(name);
}

std::vector<std::u16string> SimThreads::NamedEvents() const {
  std::lock_guard lock(mutex_);
  return events_;
}

std::vector<SimThreads::Kept> SimThreads::Started() const {
  std::lock_guard lock(mutex_);
  return started_;
}

void SimTray::Add(WindowHost& window, const TrayIcon& icon) {
  const bool windowShown = window.IsVisible();
  std::lock_guard lock(mutex_);
  shown_ = true;
  calls_.push_back({true, icon.tip, &window, windowShown});
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

SimPlatform::SimPlatform(SimDesktop& desktop_)
    : desktop(desktop_),
      input(clock),
      singleInstance(desktop_),
      tray(desktop_),
      windows(desktop_),
      keyboardHook(desktop_, clock),
      platform{clock, dialogs, hid, input, singleInstance, desktop_.systemMouse, threads, tray, windows,
               childControls, keyboardHook, popupMenus, shell, images, files, autoStart, onScreenDisplay, foreground} {}

}  // namespace tx80
