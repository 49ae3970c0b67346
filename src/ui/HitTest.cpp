#include "ui/HitTest.h"

#include <algorithm>

#include "platform/WindowHost.h"

namespace tx80 {

int32_t HitTest(fw::Point point, std::span<const SkinItem> table, int limit) {
  const int last = std::min(limit, static_cast<int>(table.size()) - 1);
  for (int i = 0; i <= last; ++i)
    if (table[static_cast<std::size_t>(i)].Contains(point)) return i;
  return kNoElement;
}

void TrackHover(HoverState& hover, const SkinTables& tables, Page currentPage, fw::Point point,
                const std::function<void()>& requestRepaint) {
  hover.MainHover = HitTest(point, tables.MainItems, currentPage == Page::Main ? kMainPageHitLimit : kSharedHitLimit);
  hover.ColorHover = HitTest(point, tables.ColorItems, kColorHitLimit);
  hover.AdvancedHover = HitTest(point, tables.AdvancedItems, kAdvancedHitLimit);

  const auto settle = [&](int32_t value, int32_t& previous) {
    if (value == previous) return;
    requestRepaint();
    previous = value;
  };
  settle(hover.MainHover, hover.previousMainHover);
  settle(hover.ColorHover, hover.previousColorHover);
  settle(hover.AdvancedHover, hover.previousAdvancedHover);
}

void RequestHoverRepaint(WindowHost& window, Page currentPage, const std::vector<fw::Rect>& mainRegion) {
  if (currentPage == Page::Advanced) window.InvalidateRegion(mainRegion, true);
  else window.Invalidate(true);
  window.UpdateNow();
}

}  // namespace tx80
