#include "platform/sim/SimConsole.h"

namespace tx80 {

void SimConsole::Write(std::u16string_view text) {
  std::lock_guard lock(mutex_);
  text_ += text;
}

void SimConsole::Clear() {
  std::lock_guard lock(mutex_);
  text_.clear();
}

std::u16string SimConsole::Text() const {
  std::lock_guard lock(mutex_);
  return text_;
}

}  // namespace tx80
