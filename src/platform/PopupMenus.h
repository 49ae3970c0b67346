#pragma once
#include "framework/Rect.h"

namespace tx80 {

class WindowHost;

// Popup menus from the program's menu resources, and where the pointer is.
// UI thread only.
class PopupMenus {
 public:
  virtual ~PopupMenus() = default;
  // The pointer's position in screen coordinates.
  virtual fw::Point CursorPosition() = 0;
  // Shows the first popup of menu resource `menuId` at `at` (screen
  // coordinates), tracking the right button, owned by `owner`; returns when the
  // menu has closed. A chosen item reaches the owner afterwards as a posted
  // WM_COMMAND with the item's id.
  virtual void Track(WindowHost& owner, int menuId, fw::Point at) = 0;
};

}  // namespace tx80
