#include "platform/sim/SimForegroundWatch.h"

#include "platform/WindowHost.h"

namespace tx80 {

void SimForegroundWatch::Watch(WindowHost& window, uint32_t message) {
  window_ = &window;
  message_ = message;
}

void SimForegroundWatch::BringToFront(std::u16string_view imagePath) {
  front_ = {++windowsMade_, std::u16string(imagePath)};
  Look();
}

void SimForegroundWatch::Look() {
  if (window_) window_->Post(message_, 0, 0);
}

}  // namespace tx80
