#pragma once
#include "platform/PopupMenus.h"

namespace tx80 {

class Win32PopupMenus final : public PopupMenus {
 public:
  fw::Point CursorPosition() override;
  MenuHandle Load(int resourceId) override;
  void Destroy(MenuHandle menu) override;
  int ItemCount(MenuHandle menu) override;
  std::u16string ItemText(MenuHandle menu, int position) override;
  int32_t ItemId(MenuHandle menu, int position) override;
  MenuHandle SubMenu(MenuHandle menu, int position) override;
  void MakeOwnerDrawn(MenuHandle menu, int position, uintptr_t itemData) override;
  void SetChecked(MenuHandle menu, int position, bool checked) override;
  void TrackPopup(MenuHandle menu, uint32_t flags, fw::Point at, WindowHost& owner) override;
};

}  // namespace tx80
