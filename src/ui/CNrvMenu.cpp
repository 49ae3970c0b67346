#include "ui/CNrvMenu.h"

namespace tx80 {

namespace {

const MenuItemRecord* RecordOf(uintptr_t itemData) { return reinterpret_cast<const MenuItemRecord*>(itemData); }

// A channel of a gradient row: the whole step per row is taken in single
// precision and truncated, so the last row stops short of the bottom colour;
// the result keeps its low 8 bits.
uint8_t GradientChannel(int from, int to, int rows, int row) {
  const int step = static_cast<int>(static_cast<float>(to - from) / static_cast<float>(rows));
  return static_cast<uint8_t>((from + step * row) & 0xFF);
}

void DrawSelectedBackground(const fw::Rect& rect, fw::Canvas& canvas) {
  // The frame is the surface's own pen and brush.
  canvas.Rectangle(rect);
  const fw::Rect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  const int rows = inner.Height();
  constexpr fw::Rgb from = CNrvMenu::kSelectedTop;
  constexpr fw::Rgb to = CNrvMenu::kSelectedBottom;
  for (int row = 0; row < rows; ++row) {
    const fw::Rgb colour{GradientChannel(from.r, to.r, rows, row), GradientChannel(from.g, to.g, rows, row),
                         GradientChannel(from.b, to.b, rows, row)};
    canvas.Line({inner.left, inner.top + row}, {inner.right, inner.top + row}, colour);
  }
}

// A tick of two 45-degree strokes, two pixels thick, centred on the item's
// height: down three pixels, then up six.
void DrawCheckMark(const fw::Rect& rect, fw::Canvas& canvas) {
  const int left = rect.right - CNrvMenu::kCheckMarkRightMargin - CNrvMenu::kCheckMarkWidth;
  const int middle = rect.top + rect.Height() / 2 - 1;
  for (const int y : {middle, middle + 1}) {
    canvas.Line({left, y}, {left + 3, y + 3}, CNrvMenu::kTextColour);
    canvas.Line({left + 3, y + 3}, {left + 9, y - 3}, CNrvMenu::kTextColour);
  }
}

}  // namespace

bool CNrvMenu::LoadOwnerDrawn(int resourceId) {
  used_ = 0;
  if (!LoadMenu(resourceId)) return false;
  ConvertToOwnerDraw(Handle());
  return true;
}

void CNrvMenu::ConvertToOwnerDraw(MenuHandle menu) {
  PopupMenus& system = System();
  const int count = system.ItemCount(menu);
  for (int position = 0; position < count && used_ < kCapacity; ++position) {
    MenuItemRecord& record = records_[static_cast<size_t>(used_++)];
    record.text = system.ItemText(menu, position);
    record.id = system.ItemId(menu, position);
    record.checkable = false;
    system.MakeOwnerDrawn(menu, position, reinterpret_cast<uintptr_t>(&record));
    const MenuHandle submenu = system.SubMenu(menu, position);
    if (submenu != MenuHandle::None) ConvertToOwnerDraw(submenu);
  }
}

MenuItemRecord* CNrvMenu::RecordWithId(int32_t id) {
  for (int i = 0; i < used_; ++i)
    if (records_[static_cast<size_t>(i)].id == id) return &records_[static_cast<size_t>(i)];
  return nullptr;
}

void CNrvMenu::SetCheckMarks(const std::function<std::optional<bool>(int32_t id)>& checkMark) {
  PopupMenus& system = System();
  const MenuHandle popup = FirstSubMenu();
  if (popup == MenuHandle::None) return;
  const int count = system.ItemCount(popup);
  for (int position = 0; position < count; ++position) {
    const int32_t id = system.ItemId(popup, position);
    const std::optional<bool> mark = checkMark(id);
    if (MenuItemRecord* record = RecordWithId(id)) record->checkable = mark.has_value();
    system.SetChecked(popup, position, mark.value_or(false));
  }
}

bool CNrvMenu::MeasureItem(uintptr_t itemData, fw::Size& size) const {
  const MenuItemRecord* record = RecordOf(itemData);
  if (!record) return false;
  const int room = record->checkable ? kCheckMarkRoom : 0;
  size = {kCharacterWidth * static_cast<int>(record->text.size()) + room, kItemHeight};
  return true;
}

bool CNrvMenu::DrawItem(const fw::MenuItemDraw& item, fw::Canvas& canvas) const {
  const MenuItemRecord* record = RecordOf(item.itemData);
  if (!record) return false;
  if (item.selected)
    DrawSelectedBackground(item.rect, canvas);
  else
    canvas.FillRect(item.rect, kBackground);
  const fw::Rect text{item.rect.left + kTextIndent, item.rect.top, item.rect.right, item.rect.bottom};
  canvas.TextVCentered(text, record->text, kTextColour);
  if (item.checked) DrawCheckMark(item.rect, canvas);
  return true;
}

}  // namespace tx80
