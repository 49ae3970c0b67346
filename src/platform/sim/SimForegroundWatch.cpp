#include "platform/sim/SimForegroundWatch.h"

#include "platform/WindowHost.h"

namespace tx80 {

void SimForegroundWatch::Watch(WindowHost& window, uint32_t message) {
  window_ = &window;
  message_ = message;
}

void SimForegroundWatch::BringToFront(std::u16string_view program) {
  program_ = program;
  if (window_) window_->Post(message_, 0, 0);
}

}  // namespace tx80
