#include "platform/sim/SimCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace tx80 {

SimCanvas::SimCanvas(int width, int height) : surface_(width, height) {}

void SimCanvas::SetPixel(int x, int y, fw::Rgb colour) {
  if (x >= 0 && y >= 0 && x < surface_.Width() && y < surface_.Height()) surface_.SetPixel(x, y, colour);
}

void SimCanvas::DrawImage(const fw::Image& image, const fw::Rect& source, fw::Point to) {
  ++imagesDrawn_;
  // Only the part of the source inside the picture, and of that only what
  // lands on the surface.
  const int left = std::max(source.left, 0);
  const int top = std::max(source.top, 0);
  const int right = std::min(source.right, image.Width());
  const int bottom = std::min(source.bottom, image.Height());
  for (int y = top; y < bottom; ++y) {
    const int ty = to.y + (y - source.top);
    if (ty < 0 || ty >= surface_.Height()) continue;
    for (int x = left; x < right; ++x) SetPixel(to.x + (x - source.left), ty, image.Pixel(x, y));
  }
}

void SimCanvas::FillRect(const fw::Rect& rect, fw::Rgb colour) {
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) SetPixel(x, y, colour);
}

void SimCanvas::Rectangle(const fw::Rect& rect) {
  // A surface's own pen and brush: black outline, white inside.
  FillRect(rect, {255, 255, 255});
  for (int x = rect.left; x < rect.right; ++x) {
    SetPixel(x, rect.top, {});
    SetPixel(x, rect.bottom - 1, {});
  }
  for (int y = rect.top; y < rect.bottom; ++y) {
    SetPixel(rect.left, y, {});
    SetPixel(rect.right - 1, y, {});
  }
}

void SimCanvas::Line(fw::Point from, fw::Point to, fw::Rgb colour) {
  // Horizontal and vertical lines are all the program draws; others step along the longer axis.
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < steps; ++i) SetPixel(from.x + dx * i / steps, from.y + dy * i / steps, colour);
}

void SimCanvas::SelectFont(const fw::FontSpec& font) {
  fontHeight_ = font.height;
  fontWidth_ = font.width;
  face_ = font.face;
}

fw::Size SimCanvas::TextExtent(std::u16string_view text) {
  int cells = 0;
  for (char16_t c : text) cells += c < 0x100 ? 1 : 2;
  return {cells * fontWidth_, text.empty() ? 0 : fontHeight_};
}

void SimCanvas::Text(int x, int y, std::u16string_view text, fw::Rgb colour) {
  texts_.push_back({x, y, std::u16string(text), colour, fontHeight_, fontWidth_, face_});
}

void SimCanvas::TextVCentered(const fw::Rect& rect, std::u16string_view text, fw::Rgb colour) {
  Text(rect.left, rect.top + (rect.Height() - fontHeight_) / 2, text, colour);
}

void SimCanvas::DrawProgramIcon(fw::Point at) { icons_.push_back({at}); }

const SimCanvas::DrawnText* SimCanvas::FindText(std::u16string_view text) const {
  const auto found = std::find_if(texts_.begin(), texts_.end(), [&](const DrawnText& t) { return t.text == text; });
  return found == texts_.end() ? nullptr : &*found;
}

}  // namespace tx80
