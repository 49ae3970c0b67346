#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Canvas.h"

namespace tx80 {

class SkinPictureCache;

// The four pictures of an assignment list, in SkinsDirectory.
struct ListPictureNames {
  std::string_view mask;
  std::string_view normal;
  std::string_view over;
  std::string_view down;
};

// What both assignment lists share: rows of W x H pixels from the top, W the
// mask's width and H its height divided by the rows it holds; the normal
// picture with the band of the row under the pointer copied from the over
// picture (the down picture while the button is held) and the labels centred
// on their rows, in the interface language's font.
class AssignListLook {
 public:
  AssignListLook(SkinPictureCache& pictures, const std::filesystem::path& skinsDirectory,
                 const ListPictureNames& names)
      : pictures_(pictures), skinsDirectory_(skinsDirectory), names_(names) {}

  // Takes W and H from the mask. Without a readable mask the normal picture
  // gives them, so the list still shows; with neither they are 0 and the list
  // has no rows.
  void ReadGeometry(int rowsInMask);
  int32_t W() const { return width_; }
  int32_t H() const { return height_; }

  // The outline of a list of `rows` rows: (0, 0, W, rows x H + 1), the last
  // pixel line below the last row included; none for 0 rows.
  std::vector<fw::Rect> Outline(int rows) const;
  // The row 1..rows whose band (full width) holds the point; kNoRow for none.
  int32_t RowAt(fw::Point point, int rows) const;

  // Paints the whole list: one label per row, red on row `hoverRow`, white on
  // the others.
  void Paint(fw::Canvas& canvas, std::span<const std::u16string> labels, int32_t hoverRow, bool pressed,
             int32_t languageFlag);

 private:
  // Null for a picture that is missing, undecodable or empty.
  const fw::Image* Picture(std::string_view name) const;

  SkinPictureCache& pictures_;
  const std::filesystem::path& skinsDirectory_;
  ListPictureNames names_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace tx80
