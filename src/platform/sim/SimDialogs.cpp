#include "platform/sim/SimDialogs.h"

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

}  // namespace tx80
