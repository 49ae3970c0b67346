#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "framework/Rect.h"
#include "ui/Page.h"
#include "ui/SkinItem.h"
#include "ui/SkinTables.h"

namespace tx80 {

class WindowHost;

// RegionCode of "no element".
inline constexpr int32_t kNoElement = 255;

// Highest index HitTest looks at, by table (elements above are drawn, never hit).
inline constexpr int kMainPageHitLimit = 90;  // MainItems while the main page is shown
inline constexpr int kSharedHitLimit = 19;    // MainItems on the other pages: the shared elements
inline constexpr int kAdvancedHitLimit = 33;
inline constexpr int kColorHitLimit = 4;
inline constexpr int kWarningHitLimit = 1;

// The first element 0..limit that contains the point (client coordinates), or
// kNoElement: overlapping elements go to the lowest index. A limit past the end
// of the table stops at its last entry.
int32_t HitTest(fw::Point point, std::span<const SkinItem> table, int limit);

// The element under the pointer of each page of the main window. All three are
// recomputed on every move, whatever page is shown; each page uses its own.
struct HoverState {
  int32_t MainHover = kNoElement;
  int32_t AdvancedHover = kNoElement;
  int32_t ColorHover = kNoElement;
  // The values at the last repaint request.
  int32_t previousMainHover = kNoElement;
  int32_t previousAdvancedHover = kNoElement;
  int32_t previousColorHover = kNoElement;
  // The left button went down over an element and is not yet released: hovered
  // elements are then drawn pressed.
  bool ButtonHeld = false;
};

// The main window's pointer move. For MainHover, then ColorHover, then AdvancedHover: when the value differs from
// its previous one, `requestRepaint` runs once (the caller invalidates MainRegion
// on the advanced page, the whole window otherwise, and updates the window at
// once) and the value becomes the previous one. Moving within one element
// requests nothing.
void TrackHover(HoverState& hover, const SkinTables& tables, Page currentPage, fw::Point point,
                const std::function<void()>& requestRepaint);

// The repaint a hover change asks for: on the advanced page only MainRegion
// (the window without the macro page's controls, so they are not painted
// over), on the others the whole window; painted at once.
void RequestHoverRepaint(WindowHost& window, Page currentPage, const std::vector<fw::Rect>& mainRegion);

}  // namespace tx80
