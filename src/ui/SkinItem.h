#pragma once
#include <cstdint>
#include <string>

#include "framework/Rect.h"

namespace tx80 {

// One element of a skin page: where it lies (client pixels of the window, which
// has the size of the page pictures) and the text drawn in it.
struct SkinItem {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  std::u16string text;

  // x <= px < x + width and y <= py < y + height. An element with a width or
  // height of 0 or less covers no point; edges are computed without overflow,
  // since the numbers come straight from a skin file.
  bool Contains(fw::Point p) const {
    return p.x >= x && int64_t{p.x} < int64_t{x} + width && p.y >= y && int64_t{p.y} < int64_t{y} + height;
  }
};

}  // namespace tx80
