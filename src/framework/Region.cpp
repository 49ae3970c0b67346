#include "framework/Region.h"

#include <algorithm>
#include <utility>

namespace fw {

Region::Region(Rect bounds) {
  if (bounds.Width() <= 0 || bounds.Height() <= 0) return;
  bounds_ = bounds;
  pixels_.assign(static_cast<std::size_t>(bounds.Width()) * static_cast<std::size_t>(bounds.Height()), 1);
}

bool Region::Contains(Point p) const {
  return bounds_.Contains(p) && pixels_[Index(p.x, p.y)] != 0;
}

bool Region::Empty() const {
  return std::none_of(pixels_.begin(), pixels_.end(), [](uint8_t p) { return p != 0; });
}

void Region::Xor(const Rect& rect) {
  const int left = std::max(rect.left, bounds_.left);
  const int right = std::min(rect.right, bounds_.right);
  const int top = std::max(rect.top, bounds_.top);
  const int bottom = std::min(rect.bottom, bounds_.bottom);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) At(x, y) ^= 1;
}

std::vector<Rect> Region::Rectangles() const {
  std::vector<Rect> result;
  std::vector<std::pair<int, int>> bandRuns;  // [left, right) runs of the open band
  std::vector<std::pair<int, int>> rowRuns;
  for (int y = bounds_.top; y < bounds_.bottom; ++y) {
    rowRuns.clear();
    const uint8_t* row = &pixels_[Index(bounds_.left, y)];
    const int width = bounds_.Width();
    for (int i = 0; i < width;) {
      if (!row[i]) {
        ++i;
        continue;
      }
      const int start = i;
      while (i < width && row[i]) ++i;
      rowRuns.emplace_back(bounds_.left + start, bounds_.left + i);
    }
    if (!rowRuns.empty() && rowRuns == bandRuns) {
      // Same runs as the row above: the band grows by one row.
      for (auto it = result.end() - static_cast<std::ptrdiff_t>(bandRuns.size()); it != result.end(); ++it)
        it->bottom = y + 1;
      continue;
    }
    for (const auto& [l, r] : rowRuns) result.push_back({l, y, r, y + 1});
    bandRuns = rowRuns;
  }
  return result;
}

}  // namespace fw
