#pragma once
#include <cstdint>
#include <string>

#include "framework/Rect.h"

namespace tx80 {

class WindowHost;

// A menu the system holds for the program (a loaded menu resource, or one of
// its submenus). None is no menu.
enum class MenuHandle : uintptr_t { None = 0 };

// TrackPopup's flags, with the system's values: the menu follows the left
// button unless it is told to follow the right one.
inline constexpr uint32_t kTrackLeftButton = 0x0000;
inline constexpr uint32_t kTrackRightButton = 0x0002;

// Menus from the program's menu resources, and where the pointer is. A menu
// loaded here is the program's until it destroys it; its submenus belong to it.
// Positions count from 0. UI thread only.
class PopupMenus {
 public:
  virtual ~PopupMenus() = default;
  // The pointer's position in screen coordinates.
  virtual fw::Point CursorPosition() = 0;

  // Loads menu resource `resourceId` afresh (each call makes a new menu);
  // None when the program has no such resource.
  virtual MenuHandle Load(int resourceId) = 0;
  // Destroys a loaded menu with all its submenus; None does nothing.
  virtual void Destroy(MenuHandle menu) = 0;
  // The number of items of the menu (not counting those of its submenus).
  virtual int ItemCount(MenuHandle menu) = 0;
  // The item's text as the resource gives it, unchanged.
  virtual std::u16string ItemText(MenuHandle menu, int position) = 0;
  // The item's command id; -1 for an item that opens a submenu.
  virtual int32_t ItemId(MenuHandle menu, int position) = 0;
  // The submenu the item opens; None for a command item.
  virtual MenuHandle SubMenu(MenuHandle menu, int position) = 0;
  // From now on the system asks the menu's owner window to measure and draw
  // the item (OnMeasureMenuItem, OnDrawMenuItem) and hands it `itemData`; the
  // item keeps its command id, or the submenu it opens.
  virtual void MakeOwnerDrawn(MenuHandle menu, int position, uintptr_t itemData) = 0;
  // Gives the item a check mark or takes it away. The system draws none on an
  // owner-drawn item: it tells the owner (fw::MenuItemDraw::checked).
  virtual void SetChecked(MenuHandle menu, int position, bool checked) = 0;
  // Shows the menu as a popup at `at` (screen coordinates), owned by `owner`,
  // which receives the drawing requests of its owner-drawn items; returns when
  // the menu has closed. A chosen item reaches the owner afterwards as a posted
  // WM_COMMAND with the item's id. `flags`: kTrackLeftButton or
  // kTrackRightButton.
  virtual void TrackPopup(MenuHandle menu, uint32_t flags, fw::Point at, WindowHost& owner) = 0;
};

}  // namespace tx80
