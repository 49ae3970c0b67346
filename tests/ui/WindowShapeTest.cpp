#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "ui/WindowShape.h"
#include "UiTestSupport.h"

namespace tx80 {
namespace {

// The pixels covered by the rectangles, checking that none is covered twice.
std::vector<fw::Point> Cover(const std::vector<fw::Rect>& rects, fw::Rect area) {
  std::vector<fw::Point> points;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      int hits = 0;
      for (const auto& r : rects) hits += r.Contains({x, y});
      EXPECT_LE(hits, 1) << x << "," << y;
      if (hits) points.push_back({x, y});
    }
  return points;
}

std::vector<fw::Point> Pixels(const fw::Region& region) {
  std::vector<fw::Point> points;
  const fw::Rect b = region.Bounds();
  for (int y = b.top; y < b.bottom; ++y)
    for (int x = b.left; x < b.right; ++x)
      if (region.Contains({x, y})) points.push_back({x, y});
  return points;
}

TEST(WindowShapeTest, NearWhiteIsCutOut) {
  fw::Image mask(4, 1);
  mask.SetPixel(0, 0, {101, 101, 101});
  mask.SetPixel(1, 0, {100, 255, 255});
  mask.SetPixel(2, 0, {255, 255, 255});
  mask.SetPixel(3, 0, {0, 0, 0});
  const WindowShape shape = ShapeFromMask(mask);
  EXPECT_EQ(shape.width, 4);
  EXPECT_EQ(shape.height, 1);
  EXPECT_EQ(Pixels(shape.region), (std::vector<fw::Point>{{1, 0}, {3, 0}}));
}

TEST(WindowShapeTest, RectanglesAreBandsCoveringExactlyTheShape) {
  // A 6 x 5 mask with a cut corner and a hole in the middle.
  fw::Image mask(6, 5);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {3, 2}, {3, 3}}) mask.SetPixel(x, y, {255, 255, 255});
  const fw::Region region = ShapeFromMask(mask).region;
  const auto rects = region.Rectangles();
  EXPECT_EQ(Cover(rects, {-1, -1, 7, 6}), Pixels(region));
  for (size_t i = 1; i < rects.size(); ++i) {
    const auto &a = rects[i - 1], &b = rects[i];
    const bool sameBand = a.top == b.top;
    EXPECT_TRUE(sameBand ? (a.bottom == b.bottom && a.right < b.left) : a.bottom <= b.top);
  }
  // Rows 2 and 3 have the same runs, so they share one band of two rectangles.
  EXPECT_EQ(rects.size(), 5u);
}

TEST(WindowShapeTest, MainRegionTakesOutThreeControls) {
  fw::Region shape({0, 0, 100, 100});
  std::array<fw::Rect, 4> controls{};
  controls[kRepeatCountEditRect] = {0, 0, 10, 10};
  controls[kMacroNameEditRect] = {20, 0, 30, 10};
  controls[kMacroListRect] = {40, 0, 50, 10};
  controls[kEventListRect] = {60, 0, 70, 10};
  const fw::Region main = BuildMainRegion(shape, controls);
  EXPECT_TRUE(main.Contains({5, 5}));  // the repeat count edit stays in
  EXPECT_FALSE(main.Contains({25, 5}));
  EXPECT_FALSE(main.Contains({45, 5}));
  EXPECT_FALSE(main.Contains({65, 5}));
  EXPECT_TRUE(main.Contains({35, 5}));
  EXPECT_TRUE(shape.Contains({25, 5}));  // the window shape itself is not touched
}

TEST(WindowShapeTest, MainWindowTakesTheMaskOutline) {
  test::TempDir skins;
  test::FakeImageLoader images;
  fw::Image mask(8, 4);
  mask.SetPixel(0, 0, {255, 255, 255});
  images.Put(skins / "main_mask.jpg", mask);
  SkinTables tables;
  tables.ControlRects[kEventListRect] = {4, 1, 6, 3};
  test::ShapeRecordingWindow window;

  const MainWindowShape shape = ShapeMainWindow(images, skins.path(), tables, window);
  EXPECT_EQ(shape.MaskWidth, 8);
  EXPECT_EQ(shape.MaskHeight, 4);
  EXPECT_EQ(window.shapeCalls, 1);
  EXPECT_EQ(window.shape, shape.WindowShape.Rectangles());
  EXPECT_FALSE(shape.WindowShape.Contains({0, 0}));
  EXPECT_TRUE(shape.WindowShape.Contains({5, 2}));
  EXPECT_FALSE(shape.MainRegion.Contains({5, 2}));
  EXPECT_EQ(shape.MainRegionRectangles, shape.MainRegion.Rectangles());
}

TEST(WindowShapeTest, WithoutAMaskTheWindowStaysRectangular) {
  test::TempDir skins;
  test::FakeImageLoader images;
  SkinTables tables;
  test::ShapeRecordingWindow window;
  EXPECT_EQ(ShapeMainWindow(images, skins.path(), tables, window).MaskWidth, 0);
  EXPECT_EQ(window.shapeCalls, 0);  // no picture at all: the window keeps its own rectangle

  fw::Image white(4, 4);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y) white.SetPixel(x, y, {255, 255, 255});
  images.Put(skins / "main_mask.jpg", white);  // would hide the whole window
  images.Put(skins / "main_normal.jpg", fw::Image(30, 20));
  const MainWindowShape shape = ShapeMainWindow(images, skins.path(), tables, window);
  EXPECT_EQ(shape.MaskWidth, 30);
  EXPECT_EQ(shape.MaskHeight, 20);
  EXPECT_EQ(window.shape, (std::vector<fw::Rect>{{0, 0, 30, 20}}));
}

}  // namespace
}  // namespace tx80
