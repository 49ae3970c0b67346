#include "platform/sim/JpegImageLoader.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <vector>

#include <jpeglib.h>

namespace tx80 {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

// libjpeg reports a fatal error by calling this; it must not return.
void OnFatalError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Level -1 is a warning: data the decoder repairs or fills in (a file cut
// short reads as grey rows). Such a picture is not the skin, so it fails too.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnFatalError(info);
}

// Decodes into `image`. Kept free of objects with destructors between setjmp
// and the decoder calls, so the error jump skips nothing; `image` and `row`
// live in the caller.
bool DecodeInto(std::span<const uint8_t> jpeg, fw::Image& image, std::vector<unsigned char>& row) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnFatalError;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const int width = static_cast<int>(info.output_width);
  image = fw::Image(width, static_cast<int>(info.output_height));
  row.resize(static_cast<size_t>(width) * 3);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    const unsigned char* p = row.data();
    for (int x = 0; x < width; ++x, p += 3) image.SetPixel(x, y, {p[0], p[1], p[2]});
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<fw::Image> JpegImageLoader::Decode(std::span<const uint8_t> jpeg) {
  if (jpeg.empty()) return std::nullopt;
  fw::Image image;
  std::vector<unsigned char> row;
  if (!DecodeInto(jpeg, image, row) || image.Empty()) return std::nullopt;
  return image;
}

}  // namespace tx80
