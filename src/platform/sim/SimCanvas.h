#pragma once
#include <string>
#include <vector>

#include "framework/Canvas.h"

namespace tx80 {

// A drawing surface in memory that keeps what was drawn: pictures, fills and
// lines become pixels of `Surface()`, texts are recorded with their place,
// colour and font. Text metrics are those of a fixed-pitch font: a character
// below U+0100 is the font's width wide, any other twice that (a CJK glyph
// takes two cells); the height is the font's height.
class SimCanvas final : public fw::Canvas {
 public:
  struct DrawnText {
    int x = 0;
    int y = 0;
    std::u16string text;
    fw::Rgb colour;
    int fontHeight = 0;
    int fontWidth = 0;
    std::u16string face;
  };
  struct DrawnIcon {
    fw::Point at;
  };

  SimCanvas(int width, int height);

  int Width() const override { return surface_.Width(); }
  int Height() const override { return surface_.Height(); }
  void DrawImage(const fw::Image& image, const fw::Rect& source, fw::Point to) override;
  void FillRect(const fw::Rect& rect, fw::Rgb colour) override;
  void Rectangle(const fw::Rect& rect) override;
  void Line(fw::Point from, fw::Point to, fw::Rgb colour) override;
  void SelectFont(const fw::FontSpec& font) override;
  fw::Size TextExtent(std::u16string_view text) override;
  void Text(int x, int y, std::u16string_view text, fw::Rgb colour) override;
  void TextVCentered(const fw::Rect& rect, std::u16string_view text, fw::Rgb colour) override;
  void DrawProgramIcon(fw::Point at) override;
  fw::Size ProgramIconSize() override { return {32, 32}; }

  const fw::Image& Surface() const { return surface_; }
  const std::vector<DrawnText>& Texts() const { return texts_; }
  const std::vector<DrawnIcon>& Icons() const { return icons_; }
  // The first text drawn that equals `text`; null when none was.
  const DrawnText* FindText(std::u16string_view text) const;
  int ImagesDrawn() const { return imagesDrawn_; }

 private:
  void SetPixel(int x, int y, fw::Rgb colour);

  fw::Image surface_;
  int fontHeight_ = 16;
  int fontWidth_ = 8;
  std::u16string face_;
  std::vector<DrawnText> texts_;
  std::vector<DrawnIcon> icons_;
  int imagesDrawn_ = 0;
};

}  // namespace tx80
