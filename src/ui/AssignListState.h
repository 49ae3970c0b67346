#pragma once
#include <cstdint>
#include <memory>

#include "framework/Rect.h"
#include "ui/SkinElements.h"

namespace tx80 {

class CMenuDlg;
class CSubMenuDlg;

// Row of an assignment list under the pointer when there is none.
inline constexpr int32_t kNoRow = 255;

// The assignment lists' state, shared by the main window, the lists and the
// warning (UI thread only). The list objects outlive their windows: a window
// may be destroyed from inside one of its own handlers (a sub-list's release
// closes both lists), so an object is only deleted when the next one replaces
// it, never while a handler of it can still be running.
struct AssignListState {
  // Both out of line, where the lists are complete types.
  AssignListState();
  ~AssignListState();
  AssignListState(const AssignListState&) = delete;
  AssignListState& operator=(const AssignListState&) = delete;

  // RegionCode of the button element whose list is open.
  int32_t AssignTarget = 0;
  int AssignedSlot() const { return main_element::SlotOfButton(AssignTarget); }
  // Screen point where the warning and the list open: below the button element.
  fw::Point PopupOrigin;

  bool MenuOpen = false;                 // the list last opened still has its window
  std::unique_ptr<CMenuDlg> MenuWindow;  // the list last opened
  int32_t MenuHoverItem = kNoRow;        // its row under the pointer, 1..12
  bool MenuPressed = false;              // the left button is down inside it

  std::unique_ptr<CSubMenuDlg> SubMenuWindow;  // the sub-list last opened
  bool SubMenuOpen = false;                    // it still has its window
  int32_t SubRowCount = 0;
  // A sub-list made an assignment: the main window's next paint closes the list.
  bool SubMenuDone = false;

  // The warning's item under the pointer: 1 the button that goes on, 2 the one
  // that gives up, 255 neither, 0 before the first move. Both it and the value
  // of the last repaint survive from one warning to the next.
  int32_t WarningHover = 0;
  int32_t previousWarningHover = 0;
};

}  // namespace tx80
