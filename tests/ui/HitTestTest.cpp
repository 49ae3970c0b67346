#include <gtest/gtest.h>

#include <climits>

#include "ui/HitTest.h"
#include "UiTestSupport.h"

namespace tx80 {
namespace {

constexpr Page kMainPage = Page::Main;
constexpr Page kAdvancedPage = Page::Advanced;

struct HitTestTest : ::testing::Test {
  void Move(Page page, fw::Point p) {
    TrackHover(hover, tables, page, p, [this] { ++repaints; });
  }
  SkinTables tables;
  HoverState hover;
  int repaints = 0;
};

TEST_F(HitTestTest, PointInclusionAndOverlap) {
  tables.MainItems[3] = {10, 10, 20, 20, u""};
  tables.MainItems[7] = {20, 20, 20, 20, u""};
  EXPECT_EQ(HitTest({25, 25}, tables.MainItems, 90), 3);  // the overlap goes to the lower index
  EXPECT_EQ(HitTest({35, 35}, tables.MainItems, 90), 7);
  EXPECT_EQ(HitTest({10, 10}, tables.MainItems, 90), 3);  // left and top edges belong to it
  EXPECT_EQ(HitTest({30, 15}, tables.MainItems, 90), kNoElement);  // the right edge does not
  EXPECT_EQ(HitTest({35, 35}, tables.MainItems, 6), kNoElement);   // beyond the limit
}

TEST_F(HitTestTest, EmptyAndExtremeElementsAreSafe) {
  tables.ColorItems[0] = {0, 0, 0, 50, u""};
  tables.ColorItems[1] = {0, 0, -5, 50, u""};
  tables.ColorItems[2] = {INT_MAX - 5, INT_MIN, 100, INT_MAX, u""};
  EXPECT_EQ(HitTest({0, 0}, tables.ColorItems, 4), kNoElement);
  EXPECT_EQ(HitTest({INT_MAX - 1, -2}, tables.ColorItems, 4), 2);
  // A limit past the table stops at its end.
  EXPECT_EQ(HitTest({INT_MAX - 1, -2}, std::span(tables.ColorItems).first(2), 90), kNoElement);
}

TEST_F(HitTestTest, MainLimitDependsOnThePage) {
  tables.MainItems[25] = {100, 100, 50, 20, u""};
  tables.MainItems[91] = {0, 0, 10, 10, u""};
  Move(kMainPage, {110, 110});
  EXPECT_EQ(hover.MainHover, 25);
  Move(kAdvancedPage, {110, 110});
  EXPECT_EQ(hover.MainHover, kNoElement);  // only the shared elements 0..19 there
  Move(kMainPage, {5, 5});
  EXPECT_EQ(hover.MainHover, kNoElement);  // 91..99 are never hovered
}

TEST_F(HitTestTest, PageLimitsOfTheOtherTables) {
  tables.AdvancedItems[33] = {0, 0, 10, 10, u""};
  tables.AdvancedItems[34] = {20, 0, 10, 10, u""};
  tables.ColorItems[4] = {0, 20, 10, 10, u""};
  tables.ColorItems[5] = {20, 20, 10, 10, u""};
  Move(kMainPage, {5, 5});
  EXPECT_EQ(hover.AdvancedHover, 33);
  Move(kMainPage, {25, 5});
  EXPECT_EQ(hover.AdvancedHover, kNoElement);
  Move(kMainPage, {5, 25});
  EXPECT_EQ(hover.ColorHover, 4);
  Move(kMainPage, {25, 25});
  EXPECT_EQ(hover.ColorHover, kNoElement);
}

TEST_F(HitTestTest, RepaintsOncePerChangedValue) {
  tables.MainItems[2] = {0, 0, 50, 50, u""};
  tables.ColorItems[0] = {0, 0, 50, 50, u""};
  tables.AdvancedItems[0] = {100, 0, 50, 50, u""};

  Move(kMainPage, {10, 10});  // main and color change: the color page's hover counts on the main page too
  EXPECT_EQ(hover.MainHover, 2);
  EXPECT_EQ(hover.ColorHover, 0);
  EXPECT_EQ(repaints, 2);

  Move(kMainPage, {20, 30});  // within the same elements
  EXPECT_EQ(repaints, 2);

  Move(kMainPage, {120, 10});  // all three change
  EXPECT_EQ(repaints, 5);
  EXPECT_EQ(hover.AdvancedHover, 0);
  EXPECT_EQ(hover.previousMainHover, kNoElement);
}

TEST(HoverRepaintTest, AdvancedPageRepaintsAroundItsControls) {
  const std::vector<fw::Rect> mainRegion{{0, 0, 10, 5}, {0, 5, 4, 10}};
  for (Page page : {Page::Main, Page::Advanced, Page::Color}) {
    test::ShapeRecordingWindow window;
    RequestHoverRepaint(window, page, mainRegion);
    if (page == Page::Advanced) {
      EXPECT_EQ(window.requests, (std::vector<std::string>{"region", "update"}));
      EXPECT_EQ(window.invalidRegion, mainRegion);
    } else {
      EXPECT_EQ(window.requests, (std::vector<std::string>{"whole", "update"}));
    }
  }
}

}  // namespace
}  // namespace tx80
