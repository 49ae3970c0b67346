#include "platform/sim/SimSingleInstance.h"

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

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

std::optional<std::u16string> SimSingleInstance::SendRequest(std::u16string_view caption,
                                                            std::u16string_view request) {
  SimWindowHost* window = desktop_.FindWindow(caption);
  if (!window) return std::nullopt;
  return window->Request(request);
}

void SimSingleInstance::Release() {
  if (!held_.empty()) desktop_.ReleaseMutex(held_);
  held_.clear();
}

}  // namespace tx80
