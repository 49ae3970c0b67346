#include "platform/win32/Win32ImageLoader.h"

#include <algorithm>
#include <limits>

#include <shlwapi.h>

// The GDI+ headers use unqualified min and max, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace tx80 {

Win32ImageLoader::Win32ImageLoader() {
  Gdiplus::GdiplusStartupInput input;
  started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

Win32ImageLoader::~Win32ImageLoader() {
  if (started_) Gdiplus::GdiplusShutdown(token_);
}

std::optional<fw::Image> Win32ImageLoader::Decode(std::span<const uint8_t> jpeg) {
  if (!started_ || jpeg.empty() || jpeg.size() > std::numeric_limits<UINT>::max()) return std::nullopt;
  // The stream holds its own copy of the bytes; the bitmap reads it as it decodes.
  IStream* stream = SHCreateMemStream(jpeg.data(), static_cast<UINT>(jpeg.size()));
  if (!stream) return std::nullopt;
  std::optional<fw::Image> image = DecodeStream(*stream);
  stream->Release();
  return image;
}

std::optional<fw::Image> Win32ImageLoader::DecodeStream(IStream& stream) {
  Gdiplus::Bitmap bitmap(&stream);
  if (bitmap.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  if (width <= 0 || height <= 0) return std::nullopt;

  Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) != Gdiplus::Ok)
    return std::nullopt;
  // 32bppRGB rows are blue, green, red, unused: the 0x00RRGGBB words fw::Image keeps.
  fw::Image image(width, height);
  for (int y = 0; y < height; ++y) {
    const auto* row = static_cast<const BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride;
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, {row[4 * x + 2], row[4 * x + 1], row[4 * x]});
  }
  bitmap.UnlockBits(&data);
  return image;
}

}  // namespace tx80
