// The mask picture to the window's outline, with the simulated backend's
// decoder: any file as "main_mask.jpg". A picture that reads has the size its
// frame declares and at most 16 M pixels, and the outline lies inside it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "framework/JpegFrame.h"
#include "platform/sim/JpegImageLoader.h"
#include "ui/SkinImages.h"
#include "ui/WindowShape.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tx80;
  static JpegImageLoader loader;
  const auto mask = fuzz::ScratchDirectory() / "main_mask.jpg";
  fuzz::WriteFile(mask, std::string_view(reinterpret_cast<const char*>(data), size));

  const auto frame = fw::ReadJpegFrame(std::span(data, size));
  const auto picture = LoadPicture(loader, mask);
  if (picture) {
    if (!frame || picture->Width() != frame->width || picture->Height() != frame->height)
      fuzz::Fail("a picture of another size than its frame");
    if (int64_t{picture->Width()} * picture->Height() > kMaxSkinPicturePixels) fuzz::Fail("a picture too large");
  }

  const auto shape = BuildWindowShape(loader, mask);
  if (shape && !picture) fuzz::Fail("an outline without a picture");
  if (shape) {
    const fw::Rect bounds{0, 0, shape->width, shape->height};
    for (const fw::Rect& r : shape->region.Rectangles())
      if (r.left < bounds.left || r.top < bounds.top || r.right > bounds.right || r.bottom > bounds.bottom ||
          r.left >= r.right || r.top >= r.bottom)
        fuzz::Fail("an outline rectangle outside the mask");
  }
  return 0;
}
