#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "framework/Image.h"

namespace tx80 {

class ImageLoader;

// The skin's pictures, in SkinsDirectory; both languages share them. The
// normal, over and down pictures of a page have the size of the page's mask.
namespace skin_image {
inline constexpr std::string_view kMainNormal = "main_normal.jpg";
inline constexpr std::string_view kMainOver = "main_over.jpg";
inline constexpr std::string_view kMainDown = "main_down.jpg";
inline constexpr std::string_view kMainMask = "main_mask.jpg";
inline constexpr std::string_view kDpiSlider = "dpi_slider.jpg";
inline constexpr std::string_view kAdvancedNormal = "advanced_normal.jpg";
inline constexpr std::string_view kAdvancedOver = "advanced_over.jpg";
inline constexpr std::string_view kAdvancedDown = "advanced_down.jpg";
inline constexpr std::string_view kColorNormal = "color_normal_pink.jpg";
inline constexpr std::string_view kColorOver = "color_over_red.jpg";
inline constexpr std::string_view kColorDown = "color_down_purple.jpg";
inline constexpr std::string_view kColorGray = "color_normal_gray.jpg";
inline constexpr std::string_view kColorBlue = "color_over_blue.jpg";
inline constexpr std::string_view kWarningNormal = "warning_normal.jpg";
inline constexpr std::string_view kWarningOver = "warning_over.jpg";
inline constexpr std::string_view kWarningMask = "warning_mask.jpg";
inline constexpr std::string_view kMenuNormal = "menu_normal.jpg";
inline constexpr std::string_view kMenuOver = "menu_over.jpg";
inline constexpr std::string_view kMenuDown = "menu_down.jpg";
inline constexpr std::string_view kMenuMask = "menu_mask.jpg";
inline constexpr std::string_view kSubMenuNormal = "advanced menu_normal.jpg";
inline constexpr std::string_view kSubMenuOver = "advanced menu_over.jpg";
inline constexpr std::string_view kSubMenuDown = "advanced menu_down.jpg";
inline constexpr std::string_view kSubMenuMask = "advanced menu_mask.jpg";
}  // namespace skin_image

// Skin pictures are window-sized. A larger frame is a damaged header, and
// decoding it would take seconds and hundreds of megabytes at every start.
inline constexpr int64_t kMaxSkinPicturePixels = 16 * 1024 * 1024;

// The JPG picture in the file at `path`: nullopt when the file is missing, is
// not one whole JPEG picture (fw::ReadJpegFrame: cut short, or holding fewer
// blocks than its header declares), declares more than kMaxSkinPicturePixels,
// or does not decode exactly (see ImageLoader). Callers treat all of these
// like a missing picture.
std::optional<fw::Image> LoadPicture(ImageLoader& loader, const std::filesystem::path& path);

// SkinsDirectory + name, read with LoadPicture. A missing or undecodable
// picture gives nullopt and no message: the paint goes on with the other
// pictures.
std::optional<fw::Image> LoadSkinImage(ImageLoader& loader, const std::filesystem::path& skinsDirectory,
                                       std::string_view name);

}  // namespace tx80
