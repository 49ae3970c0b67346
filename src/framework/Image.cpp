#include "framework/Image.h"

#include <cassert>

namespace fw {

Image::Image(int width, int height) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

Rgb Image::Pixel(int x, int y) const {
  assert(x >= 0 && x < width_ && y >= 0 && y < height_ && "pixel outside the picture");
  const uint32_t p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
}

void Image::SetPixel(int x, int y, Rgb colour) {
  assert(x >= 0 && x < width_ && y >= 0 && y < height_ && "pixel outside the picture");
  pixels_[static_cast<std::size_t>(y) * width_ + x] =
      (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
}

}  // namespace fw
