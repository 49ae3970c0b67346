#pragma once
#include "platform/ImageLoader.h"

namespace tx80 {

// Decodes JPG files with libjpeg-turbo, so the simulated program reads the same
// skin pictures the real one does.
class JpegImageLoader : public ImageLoader {
 public:
  std::optional<fw::Image> Decode(std::span<const uint8_t> jpeg) override;
};

}  // namespace tx80
