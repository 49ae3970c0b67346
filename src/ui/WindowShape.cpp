#include "ui/WindowShape.h"

#include "platform/WindowHost.h"
#include "ui/SkinImages.h"

namespace tx80 {

WindowShape ShapeFromMask(const fw::Image& mask) {
  WindowShape shape{mask.Width(), mask.Height(), fw::Region({0, 0, mask.Width(), mask.Height()})};
  // Each pixel leaves the set on its own, so the order of the pass does not
  // matter; row by row follows the picture's memory.
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x)
      if (IsCutOut(mask.Pixel(x, y))) shape.region.Xor({x, y, x + 1, y + 1});
  return shape;
}

std::optional<WindowShape> BuildWindowShape(ImageLoader& loader, const std::filesystem::path& maskPath) {
  const auto mask = LoadPicture(loader, maskPath);
  if (!mask || mask->Empty()) return std::nullopt;
  WindowShape shape = ShapeFromMask(*mask);
  // A mask that cuts out everything would leave an invisible window nobody can
  // click or close; it is treated like a missing one.
  if (shape.region.Empty()) return std::nullopt;
  return shape;
}

fw::Region BuildMainRegion(const fw::Region& windowShape, const std::array<fw::Rect, 4>& controlRects) {
  fw::Region region = windowShape;
  region.Xor(controlRects[kMacroNameEditRect]);
  region.Xor(controlRects[kEventListRect]);
  region.Xor(controlRects[kMacroListRect]);
  return region;
}

MainWindowShape ShapeMainWindow(ImageLoader& loader, const std::filesystem::path& skinsDirectory,
                                const SkinTables& tables, WindowHost& window) {
  std::optional<WindowShape> shape =
      BuildWindowShape(loader, skinsDirectory / std::filesystem::path(skin_image::kMainMask));
  if (!shape) {
    const auto page = LoadSkinImage(loader, skinsDirectory, skin_image::kMainNormal);
    if (!page || page->Empty()) return {};
    shape = WindowShape{page->Width(), page->Height(), fw::Region({0, 0, page->Width(), page->Height()})};
  }
  MainWindowShape result{shape->width, shape->height, shape->region,
                         BuildMainRegion(shape->region, tables.ControlRects), {}};
  result.MainRegionRectangles = result.MainRegion.Rectangles();
  window.SetShape(result.WindowShape.Rectangles());
  return result;
}

}  // namespace tx80
