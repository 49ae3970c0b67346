#include "ui/AssignMenuState.h"

#include "ui/CMenuDlg.h"
#include "ui/CSubMenuDlg.h"

namespace tx80 {

AssignMenuState::AssignMenuState() = default;

// The list goes before the sub-list, whose window it closes.
AssignMenuState::~AssignMenuState() {
  MenuWindow.reset();
  SubMenuWindow.reset();
}

}  // namespace tx80
