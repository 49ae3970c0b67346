#include "ui/SkinImages.h"

#include "platform/ImageLoader.h"

namespace tx80 {

std::optional<fw::Image> LoadSkinImage(ImageLoader& loader, const std::filesystem::path& skinsDirectory,
                                       std::string_view name) {
  return loader.Load(skinsDirectory / std::filesystem::path(name));
}

}  // namespace tx80
