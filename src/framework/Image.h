#pragma once
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

// A colour as red, green, blue.
struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// A decoded picture: width x height pixels, rows top-down. Each pixel is held
// as 0x00RRGGBB, which in memory is the layout of a top-down 32-bit device
// independent bitmap, so a backend can draw it without converting.
class Image {
 public:
  Image() = default;
  // A black picture of the given size (negative sizes give an empty one).
  Image(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }

  // (x, y) must lie inside the picture.
  Rgb Pixel(int x, int y) const {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_ && "pixel outside the picture");
    const uint32_t p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
  }
  void SetPixel(int x, int y, Rgb colour) {
    assert(x >= 0 && x < width_ && y >= 0 && y < height_ && "pixel outside the picture");
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
        (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
  }

  // Width() * Height() pixels, row after row.
  const uint32_t* Pixels() const { return pixels_.data(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace fw
