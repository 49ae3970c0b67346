#include "ui/CMenuDlg.h"

#include <span>

#include "framework/MainWindowRef.h"
#include "macro/MacroStore.h"
#include "platform/WindowHost.h"
#include "platform/WindowSystem.h"
#include "profile/ProfileModel.h"
#include "ui/CSubMenuDlg.h"
#include "ui/SkinImages.h"
#include "ui/SkinTables.h"

namespace tx80 {

namespace {
constexpr int kSubMenuWidth = 300;
constexpr int kSubMenuHeight = 400;

constexpr ListPictureNames kPictures{skin_image::kMenuMask, skin_image::kMenuNormal, skin_image::kMenuOver,
                                     skin_image::kMenuDown};

// Top of the sub-list of group row `row`, from the list's top: row 7's starts
// one row above the list, row 8's ends level with row 8, the macros end level
// with row 9, row 10's starts level with the list.
int32_t SubMenuTop(int32_t listTop, int32_t row, int32_t rowHeight, int32_t macroCount) {
  switch (row) {
    case 7: return listTop - rowHeight;
    case 8: return listTop + 2 * rowHeight;
    case 9: return listTop + (9 - macroCount) * rowHeight;
    default: return listTop;
  }
}
}  // namespace

CMenuDlg::CMenuDlg(const AssignListParts& parts)
    : fw::Dialog(kTemplateId),
      parts_(parts),
      state_(parts.state),
      look_(parts.pictures, parts.skinsDirectory, kPictures) {}

CMenuDlg::~CMenuDlg() {
  if (HasWindow()) Host().Destroy();
}

bool CMenuDlg::OnInitDialog() {
  Host().SetCaption(kCaption);
  look_.ReadGeometry(kRows);
  Host().SetShape(look_.Outline(kRows));
  state_.MenuHoverItem = kNoRow;
  // A press that ended outside the previous list must not show this one pressed.
  state_.MenuPressed = false;
  return true;
}

void CMenuDlg::OnDestroyed() {
  if (state_.SubMenuWindow && state_.SubMenuWindow->HasWindow()) state_.SubMenuWindow->Host().Destroy();
  if (state_.MenuWindow.get() == this) state_.MenuOpen = false;
}

bool CMenuDlg::OnPaint(fw::Canvas& canvas) {
  const auto& names = parts_.skin.FunctionNames;
  look_.Paint(canvas, std::span(names).subspan(1, kRows), state_.MenuHoverItem, state_.MenuPressed,
              parts_.profile.LanguageFlag());
  ReplaceSubMenu();
  return true;
}

// Every paint closes the sub-list and, with the pointer on a group row, opens
// that group's anew.
void CMenuDlg::ReplaceSubMenu() {
  if (state_.SubMenuOpen) {
    if (state_.SubMenuWindow && state_.SubMenuWindow->HasWindow()) state_.SubMenuWindow->Host().Destroy();
    state_.SubMenuOpen = false;
  }
  const int32_t row = state_.MenuHoverItem;
  if (row < kFirstGroupRow || row > kRows) return;

  const fw::Rect list = Host().ScreenRect();
  const int32_t x = list.left + look_.W();
  const int32_t y = SubMenuTop(list.top, row, look_.H(), parts_.macros.MacroCount());
  // The one replaced has no window left, and none of its handlers is running:
  // this paint came through the list's own message.
  state_.SubMenuWindow = std::make_unique<CSubMenuDlg>(parts_);
  WindowHost* sub = parts_.windows.CreateModeless(*state_.SubMenuWindow, &Host());
  if (!sub) return;
  state_.SubMenuOpen = true;
  sub->Move({x, y, x + kSubMenuWidth, y + kSubMenuHeight});
  sub->Show(ShowMode::Show);
}

void CMenuDlg::OnMouseMove(int x, int y) {
  const int32_t row = look_.RowAt({x, y}, kPointerRows);
  state_.MenuHoverItem = row;
  if (row == lastMoveRow_) return;
  lastMoveRow_ = row;
  Host().Invalidate(true);
}

void CMenuDlg::OnLButtonDown(int, int) {
  state_.MenuPressed = true;
  Host().Invalidate(true);
}

void CMenuDlg::OnLButtonUp(int, int) {
  state_.MenuPressed = false;
  Host().Invalidate(true);
  const int32_t row = state_.MenuHoverItem;
  if (row < 1 || row > kLastDirectRow) return;  // a group row or none: the list stays
  parts_.profile.SetButtonFunction(state_.AssignedSlot(), row);
  // The button element shows its new function at once.
  parts_.mainWindow.Invalidate();
  Host().Destroy();
}

}  // namespace tx80
