#pragma once
#include <windows.h>

#include "framework/Canvas.h"

namespace tx80 {

// A GDI device context as the program draws on it: either an off-screen
// bitmap of its own (a window's paint, shown in one BitBlt afterwards), or a
// context the system lent for the moment (an owner-drawn menu item).
class Win32Canvas final : public fw::Canvas {
 public:
  // Off-screen, width x height pixels, compatible with the screen.
  Win32Canvas(int width, int height);
  // On the system's context; the selected font is put back when done.
  Win32Canvas(HDC dc, int width, int height);
  ~Win32Canvas() override;
  Win32Canvas(const Win32Canvas&) = delete;
  Win32Canvas& operator=(const Win32Canvas&) = delete;

  HDC Dc() const { return dc_; }
  bool Valid() const { return dc_ != nullptr; }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void DrawImage(const fw::Image& image, const fw::Rect& source, fw::Point to) override;
  void FillRect(const fw::Rect& rect, fw::Rgb colour) override;
  void Rectangle(const fw::Rect& rect) override;
  void Line(fw::Point from, fw::Point to, fw::Rgb colour) override;
  void SelectFont(const fw::FontSpec& font) override;
  fw::Size TextExtent(std::u16string_view text) override;
  void Text(int x, int y, std::u16string_view text, fw::Rgb colour) override;
  void TextVCentered(const fw::Rect& rect, std::u16string_view text, fw::Rgb colour) override;
  void DrawProgramIcon(fw::Point at) override;
  fw::Size ProgramIconSize() override;

 private:
  HDC dc_ = nullptr;
  bool ownsDc_ = false;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  HGDIOBJ previousFont_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The program's fonts, made with CreateFontW on first use and kept for the
// life of the process, one per description.
HFONT FontFor(const fw::FontSpec& font);
// A solid brush of the colour, kept likewise.
HBRUSH BrushFor(fw::Rgb colour);

inline COLORREF ColourOf(fw::Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

}  // namespace tx80
