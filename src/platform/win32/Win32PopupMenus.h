#pragma once
#include "platform/PopupMenus.h"

namespace tx80 {

class Win32PopupMenus final : public PopupMenus {
 public:
  fw::Point CursorPosition() override;
  void Track(WindowHost& owner, int menuId, fw::Point at) override;
};

}  // namespace tx80
