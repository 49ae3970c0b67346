#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/Image.h"
#include "framework/Rect.h"

namespace fw {

struct Size {
  int cx = 0;
  int cy = 0;
  bool operator==(const Size&) const = default;
};

// A font as the system creates it from a description (CreateFontW's
// arguments). Escapement and orientation are 0, and there is no italic,
// underline or strike-out in any of the program's fonts.
struct FontSpec {
  int height = 0;
  int width = 0;
  int weight = 400;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  std::u16string_view face;
  bool operator==(const FontSpec&) const = default;
};

// What a window draws on. The backend hands one to a dialog's OnPaint (an
// off-screen surface of the client area's size, shown in one copy when the
// paint is done) and to the drawing of owner-drawn menu items (the item's own
// surface). Coordinates are the window's client coordinates; drawing outside
// the surface is left out.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Copies the part `source` of the picture, unscaled, with its top-left
  // corner at `to`. Parts of `source` outside the picture are left out.
  virtual void DrawImage(const Image& image, const Rect& source, Point to) = 0;
  virtual void FillRect(const Rect& rect, Rgb colour) = 0;
  // The system's rectangle: outlined with the surface's current pen and
  // filled with its current brush (a black pen and a white brush unless the
  // system chose others for this surface).
  virtual void Rectangle(const Rect& rect) = 0;
  // A solid line one pixel wide from `from` to `to`, the end point excluded.
  virtual void Line(Point from, Point to, Rgb colour) = 0;

  // Texts are drawn with the font selected last, on a transparent background.
  virtual void SelectFont(const FontSpec& font) = 0;
  // Width and height of the text in the selected font.
  virtual Size TextExtent(std::u16string_view text) = 0;
  // The text with its top-left corner at (x, y).
  virtual void Text(int x, int y, std::u16string_view text, Rgb colour) = 0;
  // One line of text in the rectangle, from its left edge, centred vertically.
  virtual void TextVCentered(const Rect& rect, std::u16string_view text, Rgb colour) = 0;

  // The program's icon, at the system's large icon size, with its top-left
  // corner at `at`.
  virtual void DrawProgramIcon(Point at) = 0;
  virtual Size ProgramIconSize() = 0;
};

}  // namespace fw
