#include "functions/ElevatedTargets.h"

#include <algorithm>

#include "framework/ProgramFileName.h"
#include "platform/InputInjector.h"

namespace tx80 {

namespace {

std::u16string LowerCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

}  // namespace

std::optional<std::u16string> ElevatedTargets::NewlyBlocked(InputInjector& input) {
  // A token keeps its elevation for the life of the process: asked once, so
  // that an elevated driver's press costs no system call here. An unreadable
  // own token is taken as not elevated: the user hears of a doubt rather
  // than nothing.
  {
    std::lock_guard lock(mutex_);
    if (!ownElevation_) ownElevation_ = input.OwnElevation();
    if (*ownElevation_ == Elevation::Elevated) return std::nullopt;
  }
  const std::optional<InputTarget> target = input.ForegroundTarget();
  if (!target || target->elevation == Elevation::NotElevated) return std::nullopt;
  const std::u16string program = fw::ProgramFileName(target->imagePath);
  const std::u16string key = LowerCase(program);
  std::lock_guard lock(mutex_);
  if (std::find(told_.begin(), told_.end(), key) != told_.end()) return std::nullopt;
  told_.push_back(key);
  return program;
}

}  // namespace tx80
