#include "ui/SkinImages.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "framework/JpegFrame.h"
#include "platform/ImageLoader.h"

namespace tx80 {

namespace {

// More than a whole picture of the largest size could take even stored
// without compression; a longer file is not read into memory.
constexpr std::uintmax_t kMaxSkinPictureBytes = 4 * kMaxSkinPicturePixels;

std::optional<std::vector<uint8_t>> ReadPictureFile(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size == 0 || size > kMaxSkinPictureBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<fw::Image> LoadPicture(ImageLoader& loader, const std::filesystem::path& path) {
  const auto bytes = ReadPictureFile(path);
  if (!bytes) return std::nullopt;
  const auto frame = fw::ReadJpegFrame(*bytes);
  if (!frame || int64_t{frame->width} * frame->height > kMaxSkinPicturePixels) return std::nullopt;
  auto picture = loader.Decode(*bytes);
  if (!picture || picture->Width() != frame->width || picture->Height() != frame->height) return std::nullopt;
  return picture;
}

std::optional<fw::Image> LoadSkinImage(ImageLoader& loader, const std::filesystem::path& skinsDirectory,
                                       std::string_view name) {
  return LoadPicture(loader, skinsDirectory / std::filesystem::path(name));
}

}  // namespace tx80
