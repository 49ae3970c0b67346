#include "platform/sim/SimPlatform.h"

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

void SimTray::Add(WindowHost&, const TrayIcon&) {
  std::lock_guard lock(mutex_);
  shown_ = true;
}

void SimTray::Remove(WindowHost&, const TrayIcon&) {
  std::lock_guard lock(mutex_);
  shown_ = false;
  ++removals_;
}

bool SimTray::IconShown() const {
  std::lock_guard lock(mutex_);
  return shown_;
}

int SimTray::Removals() const {
  std::lock_guard lock(mutex_);
  return removals_;
}

SimPlatform::SimPlatform(SimDesktop& desktop_)
    : desktop(desktop_),
      input(clock),
      singleInstance(desktop_),
      windows(desktop_),
      keyboardHook(desktop_, clock),
      platform{clock, dialogs, hid, input, singleInstance, desktop_.systemMouse, threads, tray, windows,
               childControls, keyboardHook, popupMenus, shell, images, files, autoStart, onScreenDisplay, foreground} {}

}  // namespace tx80
