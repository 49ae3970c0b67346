#include "ui/CachedSkinImage.h"

#include "ui/SkinImages.h"

namespace tx80 {

const fw::Image* CachedSkinImage::Get(ImageLoader& loader, const std::filesystem::path& skinsDirectory) {
  if (!tried_) {
    tried_ = true;
    image_ = LoadSkinImage(loader, skinsDirectory, name_);
    if (image_ && image_->Empty()) image_.reset();
  }
  return image_ ? &*image_ : nullptr;
}

}  // namespace tx80
