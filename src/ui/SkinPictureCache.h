#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string_view>

#include "framework/Image.h"

namespace tx80 {

class ImageLoader;

// The skin's pictures as the windows draw them, decoded from their files once
// and kept, so that a repaint decodes nothing. A picture that cannot be read
// is remembered as missing as well: a damaged file is not decoded again at
// every paint. UI thread only.
//
// Whoever reloads the skin (the language switch) calls Clear, so that a page
// always shows the pictures of the files as they are now.
class SkinPictureCache {
 public:
  explicit SkinPictureCache(ImageLoader& loader) : loader_(loader) {}

  // skinsDirectory + name, decoded at its first use; null when the file is
  // missing or cannot be decoded (no message: the paint goes on without it).
  // The picture stays valid until Clear.
  const fw::Image* Get(const std::filesystem::path& skinsDirectory, std::string_view name);

  // Forgets every picture; the next use of each reads its file again.
  void Clear() { pictures_.clear(); }

 private:
  ImageLoader& loader_;
  std::map<std::filesystem::path, std::optional<fw::Image>> pictures_;
};

}  // namespace tx80
