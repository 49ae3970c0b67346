#pragma once
#include "ui/CNrvMenu.h"

namespace tx80 {

// Menu resources of the two popup menus, by interface language.
inline constexpr int kEventMenuEnglish = 154;
inline constexpr int kEventMenuChinese = 161;
inline constexpr int kTrayMenuEnglish = 157;
inline constexpr int kTrayMenuChinese = 162;

// The program's two popup menus, both owner-drawn and both shown with the main
// window as owner: the event list's right-button menu and the tray icon's menu.
struct ProgramMenus {
  explicit ProgramMenus(PopupMenus& system) : EventContextMenu(system), TrayMenu(system) {}

  CNrvMenu EventContextMenu;
  CNrvMenu TrayMenu;
};

// Loads both menus of the language (nonzero: English) in place of those held.
void LoadPopupMenus(ProgramMenus& menus, int languageFlag);

}  // namespace tx80
