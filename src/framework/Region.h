#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/Rect.h"

namespace fw {

// A set of pixels inside fixed bounds, for window shapes. It is built portably
// (XOR with rectangles, pixel by pixel if need be) and handed to the window
// system once, as rectangles. Pixels outside the bounds never belong to it: the
// window it shapes cannot show them anyway.
class Region {
 public:
  // The empty region, with empty bounds.
  Region() = default;
  // Every pixel of `bounds`.
  explicit Region(Rect bounds);

  Rect Bounds() const { return bounds_; }
  bool Contains(Point p) const;
  bool Empty() const;

  // Symmetric difference with `rect`: its pixels inside the region leave it,
  // the others (inside the bounds) join it.
  void Xor(const Rect& rect);

  // The pixels as non-overlapping rectangles, in bands from top to bottom and
  // left to right within a band; the rectangles of a band share top and bottom.
  // This is the form the system's region-from-rectangles call takes.
  std::vector<Rect> Rectangles() const;

  bool operator==(const Region&) const = default;

 private:
  uint8_t& At(int x, int y) { return pixels_[Index(x, y)]; }
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y - bounds_.top) * static_cast<std::size_t>(bounds_.Width()) +
           static_cast<std::size_t>(x - bounds_.left);
  }

  Rect bounds_;
  std::vector<uint8_t> pixels_;  // one per pixel of bounds_, 1 = inside
};

}  // namespace fw
