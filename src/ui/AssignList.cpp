#include "ui/AssignList.h"

#include "platform/WindowHost.h"
#include "platform/WindowSystem.h"
#include "profile/ProfileModel.h"
#include "ui/AssignListState.h"
#include "ui/CMenuDlg.h"
#include "ui/SkinElements.h"
#include "ui/SkinTables.h"
#include "ui/WarningDlg.h"

namespace tx80 {

namespace {
constexpr int kMenuWidth = 300;
constexpr int kMenuHeight = 300;

void DestroyMenuWindow(AssignListState& state) {
  if (state.MenuWindow && state.MenuWindow->HasWindow()) state.MenuWindow->Host().Destroy();
}
}  // namespace

void OpenAssignMenu(const AssignListParts& parts, WindowHost& mainWindow, int32_t element) {
  if (!main_element::IsButton(element)) return;
  AssignListState& state = parts.state;
  state.AssignTarget = element;
  const SkinItem& item = parts.skin.MainItems[static_cast<std::size_t>(element)];
  const fw::Rect main = mainWindow.ScreenRect();
  state.PopupOrigin = {main.left + item.x, main.top + item.y + item.height};

  const auto K = parts.profile.Fields().K;
  bool leftClickElsewhere = false;
  for (int slot = 1; slot <= kButtonSlotCount; ++slot)
    leftClickElsewhere |= slot != state.AssignedSlot() && K[static_cast<std::size_t>(slot - 1)] == kLeftClick;
  if (!leftClickElsewhere) {
    WarningDlg warning(parts);
    if (parts.windows.RunModal(warning) == WarningDlg::kGiveUp) return;
  }

  // Whatever list was open goes first; its object can go too, since the press
  // that got here came to the main window, not to a list.
  state.MenuWindow.reset();
  state.MenuWindow = std::make_unique<CMenuDlg>(parts);
  WindowHost* list = parts.windows.CreateModeless(*state.MenuWindow, &mainWindow);
  if (!list) return;
  list->Move({state.PopupOrigin.x, state.PopupOrigin.y, state.PopupOrigin.x + kMenuWidth,
              state.PopupOrigin.y + kMenuHeight});
  state.MenuOpen = true;
  list->Show(ShowMode::Show);
}

void CloseAssignMenu(AssignListState& state) {
  if (!state.MenuOpen) return;
  DestroyMenuWindow(state);
  state.MenuOpen = false;
}

void CloseMenuIfSubMenuDone(AssignListState& state) {
  if (!state.SubMenuDone) return;
  state.SubMenuDone = false;
  DestroyMenuWindow(state);
}

}  // namespace tx80
