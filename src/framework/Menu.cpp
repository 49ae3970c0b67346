#include "framework/Menu.h"

namespace fw {

Menu::~Menu() { DestroyMenu(); }

bool Menu::LoadMenu(int resourceId) {
  DestroyMenu();
  menu_ = system_.Load(resourceId);
  return menu_ != tx80::MenuHandle::None;
}

void Menu::DestroyMenu() {
  system_.Destroy(menu_);
  menu_ = tx80::MenuHandle::None;
}

tx80::MenuHandle Menu::FirstSubMenu() const {
  if (menu_ == tx80::MenuHandle::None || system_.ItemCount(menu_) == 0) return tx80::MenuHandle::None;
  return system_.SubMenu(menu_, 0);
}

void Menu::TrackFirstSubMenu(uint32_t flags, Point at, tx80::WindowHost& owner) {
  const tx80::MenuHandle popup = FirstSubMenu();
  if (popup != tx80::MenuHandle::None) system_.TrackPopup(popup, flags, at, owner);
}

}  // namespace fw
