#include "ui/AssignListLook.h"

#include "ui/AssignListState.h"
#include "ui/Fonts.h"
#include "ui/SkinPictureCache.h"

namespace tx80 {

namespace {
constexpr fw::Rgb kWhite{255, 255, 255};
constexpr fw::Rgb kRed{255, 0, 0};
constexpr fw::Rgb kBlack{0, 0, 0};
}  // namespace

const fw::Image* AssignListLook::Picture(std::string_view name) const {
  const fw::Image* picture = pictures_.Get(skinsDirectory_, name);
  return picture && !picture->Empty() ? picture : nullptr;
}

void AssignListLook::ReadGeometry(int rowsInMask) {
  const fw::Image* mask = Picture(names_.mask);
  const fw::Image* sized = mask ? mask : Picture(names_.normal);
  width_ = sized ? sized->Width() : 0;
  height_ = sized ? sized->Height() / rowsInMask : 0;
}

std::vector<fw::Rect> AssignListLook::Outline(int rows) const {
  if (rows <= 0) return {};
  return {{0, 0, width_, rows * height_ + 1}};
}

int32_t AssignListLook::RowAt(fw::Point point, int rows) const {
  for (int row = 1; row <= rows; ++row)
    if (fw::Rect{0, (row - 1) * height_, width_, row * height_}.Contains(point)) return row;
  return kNoRow;
}

void AssignListLook::Paint(fw::Canvas& canvas, std::span<const std::u16string> labels, int32_t hoverRow,
                           bool pressed, int32_t languageFlag) {
  const int rows = static_cast<int>(labels.size());
  if (const fw::Image* normal = Picture(names_.normal))
    canvas.DrawImage(*normal, {0, 0, normal->Width(), normal->Height()}, {0, 0});
  else
    canvas.FillRect({0, 0, width_, rows * height_ + 1}, kBlack);

  // A row below the labelled ones (the menu tests two more) still gets its band.
  if (hoverRow != kNoRow) {
    if (const fw::Image* band = Picture(pressed ? names_.down : names_.over)) {
      const int top = (hoverRow - 1) * height_;
      canvas.DrawImage(*band, {0, top, width_, top + height_}, {0, top});
    }
  }

  canvas.SelectFont(MainFont(languageFlag));
  for (int row = 1; row <= rows; ++row) {
    const std::u16string& label = labels[static_cast<std::size_t>(row - 1)];
    const fw::Size extent = canvas.TextExtent(label);
    canvas.Text((width_ - extent.cx) / 2, (row - 1) * height_ + (height_ - extent.cy) / 2, label,
                row == hoverRow ? kRed : kWhite);
  }
}

}  // namespace tx80
