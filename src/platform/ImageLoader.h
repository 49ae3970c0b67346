#pragma once
#include <filesystem>
#include <optional>

#include "framework/Image.h"

namespace tx80 {

// Decodes the skin's JPG pictures. Called on the UI thread whenever a window
// needs a picture (the skins are read from their files, not from resources).
class ImageLoader {
 public:
  virtual ~ImageLoader() = default;
  // The picture in the file at `path`, with its size and the colour of every
  // pixel; nullopt when the file is missing or cannot be decoded. Never throws.
  virtual std::optional<fw::Image> Load(const std::filesystem::path& path) = 0;
};

}  // namespace tx80
