#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "framework/Menu.h"

namespace tx80 {

// One item of a CNrvMenu, as the menu draws it. Its address is the item's
// owner-draw data.
struct MenuItemRecord {
  std::u16string text;  // from the menu resource, unchanged (trailing spaces included)
  int32_t id = 0;       // the command id; -1 for an item that opens a submenu
  bool checkable = false;  // may carry a check mark: measured with room for it
};

// A popup menu from the program's resources that the program draws itself, in
// the colours of the skin: white text on the skin's blue, the selected item a
// blue-to-cyan gradient in a frame, a checked item a white tick at its right
// end. Measuring and drawing use only the item's record and what the system
// says of the item, so any CNrvMenu measures and draws the items of any other.
class CNrvMenu : public fw::Menu {
 public:
  // Records per menu, its submenus' items included. An item beyond them is
  // left as the system draws it.
  static constexpr int kCapacity = 30;
  static constexpr int kCharacterWidth = 8;
  static constexpr int kItemHeight = 20;
  static constexpr int kTextIndent = 10;
  static constexpr fw::Rgb kTextColour{255, 255, 255};
  static constexpr fw::Rgb kBackground{0, 120, 153};
  static constexpr fw::Rgb kSelectedTop{0, 0, 255};
  static constexpr fw::Rgb kSelectedBottom{0, 255, 255};
  // The tick: 9 pixels wide and 7 high, its right edge this far from the
  // item's. An item that may carry one is measured this much wider: a
  // Chinese text takes more than 8 pixels a character, and the tick must
  // stay clear of it.
  static constexpr int kCheckMarkWidth = 9;
  static constexpr int kCheckMarkRightMargin = 5;
  static constexpr int kCheckMarkRoom = 28;

  explicit CNrvMenu(PopupMenus& system) : fw::Menu(system) {}

  // Loads menu resource `resourceId` in place of the menu held and makes every
  // item owner-drawn; false, holding none, when there is no such resource.
  bool LoadOwnerDrawn(int resourceId);
  // Gives each item of `menu` and, right after a submenu item, of its submenu
  // the next record and makes it owner-drawn with that record.
  void ConvertToOwnerDraw(MenuHandle menu);

  // Right before the menu is shown: `checkMark` tells, by command id, whether
  // each item of the first popup carries a check mark, or nothing for an item
  // that never does. Until the menu is loaded again, the items that may carry
  // one are measured with room for it.
  void SetCheckMarks(const std::function<std::optional<bool>(int32_t id)>& checkMark);

  // 8 pixels per character of the text (and the room of a check mark), 20 high.
  bool MeasureItem(uintptr_t itemData, fw::Size& size) const override;
  bool DrawItem(const fw::MenuItemDraw& item, fw::Canvas& canvas) const override;

  // Records in use, in conversion order.
  int Used() const { return used_; }
  const MenuItemRecord& Record(int index) const { return records_.at(static_cast<size_t>(index)); }

 private:
  MenuItemRecord* RecordWithId(int32_t id);

  std::array<MenuItemRecord, kCapacity> records_;
  int used_ = 0;
};

}  // namespace tx80
