#include "platform/sim/JpegImageLoader.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>

namespace tx80 {

namespace {

// A picture larger than this is not a skin picture; refusing it keeps a damaged
// header from asking for gigabytes.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

// libjpeg reports a fatal error by calling this; it must not return.
void OnFatalError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Decodes into `rgb` (3 bytes a pixel). Kept free of objects with destructors
// between setjmp and the decoder calls, so the error jump skips nothing.
bool Decode(const std::vector<unsigned char>& file, int& width, int& height, std::vector<unsigned char>& rgb) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnFatalError;
  errors.base.output_message = IgnoreMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
      static_cast<long long>(info.image_width) * info.image_height > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rgb.data() + static_cast<size_t>(info.output_scanline) * static_cast<size_t>(width) * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<fw::Image> JpegImageLoader::Load(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (file.empty()) return std::nullopt;

  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  if (!Decode(file, width, height, rgb) || width <= 0 || height <= 0) return std::nullopt;

  fw::Image image(width, height);
  const unsigned char* p = rgb.data();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x, p += 3) image.SetPixel(x, y, {p[0], p[1], p[2]});
  return image;
}

}  // namespace tx80
