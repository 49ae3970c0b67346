#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ForegroundWatch.h"

namespace tx80 {

// The foreground watch reports every event and every look alike; this tells
// which of its reports found another window in front.
class ForegroundChanges {
 public:
  // True when `front` is not the window seen last; it is the one seen last
  // from now on. The first window seen is a change.
  bool IsChange(const ForegroundWindow& front);

 private:
  std::optional<uintptr_t> lastSeen_;
};

}  // namespace tx80
