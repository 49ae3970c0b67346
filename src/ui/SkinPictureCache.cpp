#include "ui/SkinPictureCache.h"

#include "ui/SkinImages.h"

namespace tx80 {

const fw::Image* SkinPictureCache::Get(const std::filesystem::path& skinsDirectory, std::string_view name) {
  const std::filesystem::path path = skinsDirectory / std::filesystem::path(name);
  auto found = pictures_.find(path);
  if (found == pictures_.end()) found = pictures_.emplace(path, LoadSkinImage(loader_, skinsDirectory, name)).first;
  return found->second ? &*found->second : nullptr;
}

}  // namespace tx80
