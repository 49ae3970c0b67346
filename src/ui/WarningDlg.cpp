#include "ui/WarningDlg.h"

#include "app/AppContext.h"
#include "platform/WindowHost.h"
#include "ui/Fonts.h"
#include "ui/HitTest.h"
#include "ui/SkinImages.h"
#include "ui/SkinPictureCache.h"
#include "ui/WindowShape.h"

namespace tx80 {

namespace {
constexpr fw::Rgb kRed{255, 0, 0};
constexpr int kItemTexts = 3;

fw::Rect RectOf(const SkinItem& item) { return {item.x, item.y, item.x + item.width, item.y + item.height}; }
}  // namespace

WarningDlg::WarningDlg(AppContext& context)
    : fw::Dialog(kTemplateId),
      context_(context),
      state_(context.assignMenu) {}

bool WarningDlg::OnInitDialog() {
  const std::filesystem::path& skins = context_.paths.skinsDirectory;
  // The mask is read at each opening; the pictures come from the skin's cache.
  if (const auto shape =
          BuildWindowShape(context_.platform.images, skins / std::filesystem::path(skin_image::kWarningMask))) {
    width_ = shape->width;
    height_ = shape->height;
    Host().SetShape(shape->region.Rectangles());
  } else if (const fw::Image* normal = context_.pictures.Get(skins, skin_image::kWarningNormal);
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
  const std::filesystem::path& skins = context_.paths.skinsDirectory;
  const auto& items = context_.skin.WarningItems;
  if (const fw::Image* normal = context_.pictures.Get(skins, skin_image::kWarningNormal))
    canvas.DrawImage(*normal, {0, 0, width_, height_}, {0, 0});
  const int32_t hover = state_.WarningHover;
  if (hover == kGoOn || hover == kGiveUp) {
    if (const fw::Image* over = context_.pictures.Get(skins, skin_image::kWarningOver)) {
      const fw::Rect rect = RectOf(items[static_cast<std::size_t>(hover - 1)]);
      canvas.DrawImage(*over, rect, {rect.left, rect.top});
    }
  }
  canvas.SelectFont(MainFont(context_.profile.LanguageFlag()));
  for (int i = 0; i < kItemTexts; ++i) {
    const SkinItem& item = items[static_cast<std::size_t>(i)];
    const fw::Size extent = canvas.TextExtent(item.text);
    canvas.Text(item.x + (item.width - extent.cx) / 2, item.y + (item.height - extent.cy) / 2, item.text, kRed);
  }
  return true;
}

void WarningDlg::OnMouseMove(int x, int y) {
  const auto& items = context_.skin.WarningItems;
  int32_t hover = kNoElement;
  if (items[0].Contains({x, y})) hover = kGoOn;
  else if (items[1].Contains({x, y})) hover = kGiveUp;
  state_.WarningHover = hover;
  if (hover == state_.previousWarningHover) return;
  state_.previousWarningHover = hover;
  Host().Invalidate(true);
}

void WarningDlg::OnLButtonUp(int, int) {
  if (state_.WarningHover == kGoOn || state_.WarningHover == kGiveUp) EndDialog(state_.WarningHover);
}

}  // namespace tx80
