#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "framework/Image.h"
#include "framework/Region.h"
#include "ui/SkinTables.h"

namespace tx80 {

class ImageLoader;
class WindowHost;

// A mask pixel is cut out of the window when every component is above 100.
inline bool IsCutOut(fw::Rgb colour) { return colour.r > 100 && colour.g > 100 && colour.b > 100; }

// A window's outline from its mask picture: the mask's size and its rectangle
// without the near-white pixels.
struct WindowShape {
  int32_t width = 0;
  int32_t height = 0;
  fw::Region region;
};

WindowShape ShapeFromMask(const fw::Image& mask);
// The shape of the mask file at `maskPath`; nullopt when it cannot be read or
// would cut out the whole window.
std::optional<WindowShape> BuildWindowShape(ImageLoader& loader, const std::filesystem::path& maskPath);

// The window shape with the macro page's name edit, event list and macro list
// XOR-ed in, in that order (the repeat count edit stays in): the part of the
// advanced page that is repainted without painting over the controls.
fw::Region BuildMainRegion(const fw::Region& windowShape, const std::array<fw::Rect, 4>& controlRects);

// The main window's size and outline, built once at start.
struct MainWindowShape {
  int32_t MaskWidth = 0;
  int32_t MaskHeight = 0;
  fw::Region WindowShape;
  fw::Region MainRegion;
  std::vector<fw::Rect> MainRegionRectangles;  // MainRegion as the window takes it, made once
};

// Builds the main window's shape from "main_mask.jpg" and the ControlRects read
// at start, and hands the outline to the window. Without a readable mask the
// window stays rectangular, with the size of "main_normal.jpg" (or 0 x 0 and no
// outline at all when that is missing too).
MainWindowShape ShapeMainWindow(ImageLoader& loader, const std::filesystem::path& skinsDirectory,
                                const SkinTables& tables, WindowHost& window);

}  // namespace tx80
