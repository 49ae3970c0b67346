#include "app/ForegroundChanges.h"

namespace tx80 {

std::u16string ProgramFileName(std::u16string_view imagePath) {
  const size_t separator = imagePath.find_last_of(u"\\/");
  return std::u16string(separator == std::u16string_view::npos ? imagePath : imagePath.substr(separator + 1));
}

bool ForegroundChanges::IsChange(const ForegroundWindow& front) {
  if (lastSeen_ == front.identity) return false;
  lastSeen_ = front.identity;
  return true;
}

}  // namespace tx80
