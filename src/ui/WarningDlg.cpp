#include "ui/WarningDlg.h"

#include <utility>

#include "platform/WindowHost.h"
#include "profile/ProfileModel.h"
#include "ui/AssignListState.h"
#include "ui/Fonts.h"
#include "ui/HitTest.h"
#include "ui/SkinElements.h"
#include "ui/SkinImages.h"
#include "ui/SkinPictureCache.h"
#include "ui/WindowShape.h"

namespace tx80 {

namespace {
constexpr fw::Rgb kRed{255, 0, 0};

fw::Rect RectOf(const SkinItem& item) { return {item.x, item.y, item.x + item.width, item.y + item.height}; }
}  // namespace

WarningDlg::WarningDlg(const AssignListParts& parts, std::u16string message)
    : fw::Dialog(kTemplateId), parts_(parts), state_(parts.state), message_(std::move(message)) {}

bool WarningDlg::OnInitDialog() {
  const std::filesystem::path& skins = parts_.skinsDirectory;
  // The mask is read at each opening; the pictures come from the skin's cache.
  if (const auto shape = BuildWindowShape(parts_.images, skins / std::filesystem::path(skin_image::kWarningMask))) {
    width_ = shape->width;
    height_ = shape->height;
    Host().SetShape(shape->region.Rectangles());
  } else if (const fw::Image* normal = parts_.pictures.Get(skins, skin_image::kWarningNormal);
             normal && !normal->Empty()) {
    // Without a mask the warning is the normal picture's rectangle.
    width_ = normal->Width();
    height_ = normal->Height();
  } else {
    // Without either it keeps its template's size, so that it can still be
    // seen and answered.
    const fw::Rect own = Host().ScreenRect();
    width_ = own.Width();
    height_ = own.Height();
  }
  const fw::Point at = state_.PopupOrigin;
  Host().Move({at.x, at.y, at.x + width_, at.y + height_});
  return true;
}

bool WarningDlg::OnPaint(fw::Canvas& canvas) {
  const std::filesystem::path& skins = parts_.skinsDirectory;
  const auto& items = parts_.skin.WarningItems;
  if (const fw::Image* normal = parts_.pictures.Get(skins, skin_image::kWarningNormal))
    canvas.DrawImage(*normal, {0, 0, width_, height_}, {0, 0});
  const int32_t hover = state_.WarningHover;
  if (hover == kGoOn || hover == kGiveUp) {
    if (const fw::Image* over = parts_.pictures.Get(skins, skin_image::kWarningOver)) {
      const int32_t button = hover == kGoOn ? warning_element::kGoOn : warning_element::kGiveUp;
      const fw::Rect rect = RectOf(items[static_cast<std::size_t>(button)]);
      canvas.DrawImage(*over, rect, {rect.left, rect.top});
    }
  }
  canvas.SelectFont(MainFont(parts_.profile.LanguageFlag()));
  for (std::size_t i = 0; i < kWarningItemCount; ++i) {
    const SkinItem& item = items[i];
    const bool replaced = i == warning_element::kMessage && !message_.empty();
    const std::u16string& text = replaced ? message_ : item.text;
    const fw::Size extent = canvas.TextExtent(text);
    canvas.Text(item.x + (item.width - extent.cx) / 2, item.y + (item.height - extent.cy) / 2, text, kRed);
  }
  return true;
}

void WarningDlg::OnMouseMove(int x, int y) {
  const auto& items = parts_.skin.WarningItems;
  int32_t hover = kNoElement;
  if (items[warning_element::kGoOn].Contains({x, y})) hover = kGoOn;
  else if (items[warning_element::kGiveUp].Contains({x, y})) hover = kGiveUp;
  state_.WarningHover = hover;
  if (hover == state_.previousWarningHover) return;
  state_.previousWarningHover = hover;
  Host().Invalidate(true);
}

void WarningDlg::OnLButtonUp(int, int) {
  if (state_.WarningHover == kGoOn || state_.WarningHover == kGiveUp) EndDialog(state_.WarningHover);
}

}  // namespace tx80
