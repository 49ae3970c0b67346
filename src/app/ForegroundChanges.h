#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ForegroundWatch.h"

namespace tx80 {

// The file name of a program from the full path of its image: what follows the
// last `\` or `/` ("C:\Games\game.exe" gives "game.exe"). Empty when the path
// is empty or ends in a separator: no program to name.
std::u16string ProgramFileName(std::u16string_view imagePath);

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
