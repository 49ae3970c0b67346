#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "framework/Image.h"

namespace tx80 {

// Decodes the skin's JPG pictures. Called on the UI thread whenever a window
// needs a picture (the skins are read from their files, not from resources).
//
// The program reads the file itself and hands over only one whole picture of
// a size a skin can have (LoadPicture in ui/SkinImages: fw::ReadJpegFrame
// found every marker and, for the common sequential pictures, every block the
// frame declares; at most kMaxSkinPicturePixels), so every backend gets the
// same bytes and a damaged file never reaches a decoder that would fill it in.
class ImageLoader {
 public:
  virtual ~ImageLoader() = default;
  // The picture in `jpeg`, with its size and the colour of every pixel;
  // nullopt when it cannot be decoded exactly as stored: anything the decoder
  // would repair or fill in (what decoders report as a warning) is a failure,
  // since a repaired picture is not the skin. Never throws.
  virtual std::optional<fw::Image> Decode(std::span<const uint8_t> jpeg) = 0;
};

}  // namespace tx80
