#pragma once
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
  Rgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgb colour);

  // Width() * Height() pixels, row after row.
  const uint32_t* Pixels() const { return pixels_.data(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace fw
