#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

#include "framework/Image.h"

namespace tx80 {

class ImageLoader;

// One skin picture of a short-lived window, decoded at its first use and kept
// while the window lives (the skin's pictures do not change meanwhile). A
// missing or undecodable picture is tried once and then stays missing.
class CachedSkinImage {
 public:
  explicit CachedSkinImage(std::string_view name) : name_(name) {}
  // Null when the picture cannot be read.
  const fw::Image* Get(ImageLoader& loader, const std::filesystem::path& skinsDirectory);

 private:
  std::string_view name_;
  bool tried_ = false;
  std::optional<fw::Image> image_;
};

}  // namespace tx80
