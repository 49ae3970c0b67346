#include "platform/sim/SimThreads.h"

namespace tx80 {

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

}  // namespace tx80
