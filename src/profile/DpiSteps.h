#pragma once
#include <cstdint>

namespace tx80 {

// The resolution a DPI step code names, in dpi; a code outside 0..4 (a
// hand-edited file) reads as 1200.
inline int DpiResolution(int32_t step) {
  constexpr int kResolutions[] = {3200, 1200, 1600, 2000, 2400};
  return step >= 0 && step < 5 ? kResolutions[step] : 1200;
}

}  // namespace tx80
