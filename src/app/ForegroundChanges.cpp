#include "app/ForegroundChanges.h"

namespace tx80 {

bool ForegroundChanges::IsChange(const ForegroundWindow& front) {
  if (lastSeen_ == front.identity) return false;
  lastSeen_ = front.identity;
  return true;
}

}  // namespace tx80
