#include "ui/ProgramMenus.h"

namespace tx80 {

void LoadPopupMenus(ProgramMenus& menus, int languageFlag) {
  menus.EventContextMenu.LoadOwnerDrawn(languageFlag ? kEventMenuEnglish : kEventMenuChinese);
  menus.TrayMenu.LoadOwnerDrawn(languageFlag ? kTrayMenuEnglish : kTrayMenuChinese);
}

}  // namespace tx80
