#pragma once
#include <cstdint>

#include "framework/Canvas.h"
#include "framework/Dialog.h"
#include "platform/PopupMenus.h"

namespace fw {

// A menu from the program's resources, held for the program: the object
// destroys its menu when it loads another and when it is destroyed itself.
// UI thread only.
class Menu {
 public:
  explicit Menu(tx80::PopupMenus& system) : system_(system) {}
  virtual ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  // Replaces the menu held by a fresh copy of menu resource `resourceId`;
  // false, holding none, when the program has no such resource.
  bool LoadMenu(int resourceId);
  void DestroyMenu();
  tx80::MenuHandle Handle() const { return menu_; }

  // Shows the popup that the menu's first item opens, at `at` (screen
  // coordinates), owned by `owner`; nothing without a menu.
  void TrackFirstSubMenu(uint32_t flags, Point at, tx80::WindowHost& owner);

  // The system asks the owner window to measure and draw an owner-drawn item;
  // false when the item is not one this kind of menu draws.
  virtual bool MeasureItem(uintptr_t itemData, Size& size) const {
    (void)itemData;
    (void)size;
    return false;
  }
  virtual bool DrawItem(const MenuItemDraw& item, Canvas& canvas) const {
    (void)item;
    (void)canvas;
    return false;
  }

 protected:
  tx80::PopupMenus& System() const { return system_; }
  // The popup the menu's first item opens; None without one.
  tx80::MenuHandle FirstSubMenu() const;

 private:
  tx80::PopupMenus& system_;
  tx80::MenuHandle menu_ = tx80::MenuHandle::None;
};

}  // namespace fw
