#include "ui/AssignListState.h"

#include "ui/CMenuDlg.h"
#include "ui/CSubMenuDlg.h"

namespace tx80 {

AssignListState::AssignListState() = default;

// The list goes before the sub-list, whose window it closes.
AssignListState::~AssignListState() {
  MenuWindow.reset();
  SubMenuWindow.reset();
}

}  // namespace tx80
