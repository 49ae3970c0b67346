#include "ui/AssignMenu.h"

#include "app/AppContext.h"
#include "platform/WindowHost.h"
#include "ui/CMenuDlg.h"
#include "ui/SkinElements.h"
#include "ui/WarningDlg.h"

namespace tx80 {

namespace {
constexpr int kMenuWidth = 300;
constexpr int kMenuHeight = 300;

void DestroyMenuWindow(AssignMenuState& state) {
  if (state.MenuWindow && state.MenuWindow->HasWindow()) state.MenuWindow->Host().Destroy();
}
}  // namespace

void OpenAssignMenu(AppContext& context, WindowHost& mainWindow, int32_t element) {
  if (!main_element::IsButton(element)) return;
  AssignMenuState& state = context.assignMenu;
  state.AssignTarget = element;
  const SkinItem& item = context.skin.MainItems[static_cast<std::size_t>(element)];
  const fw::Rect main = mainWindow.ScreenRect();
  state.PopupOrigin = {main.left + item.x, main.top + item.y + item.height};

  const auto K = context.profile.Fields().K;
  bool leftClickElsewhere = false;
  for (int slot = 1; slot <= static_cast<int>(K.size()); ++slot)
    leftClickElsewhere |= slot != state.AssignedSlot() && K[static_cast<std::size_t>(slot - 1)] == kLeftClick;
  if (!leftClickElsewhere) {
    WarningDlg warning(context);
    if (context.platform.windows.RunModal(warning) == WarningDlg::kGiveUp) return;
  }

  // Whatever list was open goes first; its object can go too, since the press
  // that got here came to the main window, not to a list.
  state.MenuWindow.reset();
  state.MenuWindow = std::make_unique<CMenuDlg>(context);
  WindowHost* list = context.platform.windows.CreateModeless(*state.MenuWindow, &mainWindow);
  if (!list) return;
  list->Move({state.PopupOrigin.x, state.PopupOrigin.y, state.PopupOrigin.x + kMenuWidth,
              state.PopupOrigin.y + kMenuHeight});
  state.MenuOpen = true;
  list->Show(ShowMode::Show);
}

void CloseAssignMenu(AssignMenuState& state) {
  if (!state.MenuOpen) return;
  DestroyMenuWindow(state);
  state.MenuOpen = false;
}

void CloseMenuIfSubMenuDone(AssignMenuState& state) {
  if (!state.SubMenuDone) return;
  state.SubMenuDone = false;
  DestroyMenuWindow(state);
}

}  // namespace tx80
