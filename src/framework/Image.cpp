#include "framework/Image.h"

namespace fw {

Image::Image(int width, int height) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

}  // namespace fw
