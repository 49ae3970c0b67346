#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "framework/Rect.h"
#include "platform/sim/SimWindow.h"
#include "ui/HitTest.h"
#include "ui/SkinTables.h"

namespace tx80::test {

// A user at the main window: the pointer goes where the loaded skin puts an
// element, and the left button goes down and up there.
struct MainWindowUser {
  SimWindowHost& window;
  const SkinTables& skin;

  static fw::Point Centre(const SkinItem& element) {
    return {element.x + element.width / 2, element.y + element.height / 2};
  }
  fw::Point Main(int element) const { return Centre(skin.MainItems[element]); }
  fw::Point Advanced(int element) const { return Centre(skin.AdvancedItems[element]); }
  fw::Point Color(int element) const { return Centre(skin.ColorItems[element]); }

  void Press(fw::Point p) { window.Press(p.x, p.y); }
  void Release(fw::Point p) { window.Release(p.x, p.y); }
  void Click(fw::Point p) { window.Click(p.x, p.y); }

  // The first point of the window, row by row, where `wanted` holds for the
  // hover values a move there gives (main page hit limits when `mainPage`).
  fw::Point Find(bool mainPage, const std::function<bool(int32_t main, int32_t advanced, int32_t color)>& wanted) const {
    const auto [width, height] = window.Size();
    for (int y = 0; y < height; y += 2)
      for (int x = 0; x < width; x += 2) {
        const fw::Point p{x, y};
        if (wanted(HitTest(p, skin.MainItems, mainPage ? kMainPageHitLimit : kSharedHitLimit),
                   HitTest(p, skin.AdvancedItems, kAdvancedHitLimit), HitTest(p, skin.ColorItems, kColorHitLimit)))
          return p;
      }
    ADD_FAILURE() << "no such point in the window";
    return {};
  }
};

}  // namespace tx80::test
