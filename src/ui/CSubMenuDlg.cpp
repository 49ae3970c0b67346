#include "ui/CSubMenuDlg.h"

#include <span>

#include "macro/MacroStore.h"
#include "platform/Clock.h"
#include "platform/WindowHost.h"
#include "platform/WindowSystem.h"
#include "profile/Captions.h"
#include "profile/ProfileModel.h"
#include "ui/CMenuDlg.h"
#include "ui/SkinImages.h"
#include "ui/SkinTables.h"

namespace tx80 {

namespace {
constexpr int32_t kMacroGroup = 9;
// The wait before the sub-list goes, once the main window has closed the list.
constexpr int kCloseDelayMs = 10;

constexpr ListPictureNames kPictures{skin_image::kSubMenuMask, skin_image::kSubMenuNormal,
                                     skin_image::kSubMenuOver, skin_image::kSubMenuDown};

// Per group row 7..10: the rows it holds (the macro group as many as there are
// macros) and what is added to a row's number to give its FunctionCode.
struct Group {
  int32_t rows;
  int32_t codeOffset;
};
constexpr Group kGroups[] = {{9, 10}, {6, 20}, {0, 40}, {10, 30}};

const Group* FindGroup(int32_t group) {
  if (group < CMenuDlg::kFirstGroupRow || group > CMenuDlg::kRows) return nullptr;
  return &kGroups[group - CMenuDlg::kFirstGroupRow];
}
}  // namespace

int32_t SubMenuRowCount(int32_t group, int32_t macroCount) {
  if (group == kMacroGroup) return macroCount;
  const Group* found = FindGroup(group);
  return found ? found->rows : 0;
}

int32_t SubMenuFunctionCode(int32_t group, int32_t row) {
  const Group* found = FindGroup(group);
  return found ? row + found->codeOffset : 0;
}

CSubMenuDlg::CSubMenuDlg(const AssignListParts& parts)
    : fw::Dialog(kTemplateId),
      parts_(parts),
      state_(parts.state),
      look_(parts.pictures, parts.skinsDirectory, kPictures) {}

CSubMenuDlg::~CSubMenuDlg() {
  if (HasWindow()) Host().Destroy();
}

bool CSubMenuDlg::OnInitDialog() {
  look_.ReadGeometry(kRowsInMask);
  group_ = state_.MenuHoverItem;
  state_.SubRowCount = SubMenuRowCount(group_, parts_.macros.MacroCount());
  // An empty group (no macros) gets an empty outline: nothing shows or takes a click.
  Host().SetShape(look_.Outline(state_.SubRowCount));
  hoverRow_ = kNoRow;
  pressed_ = false;
  state_.SubMenuDone = false;
  return true;
}

void CSubMenuDlg::OnDestroyed() {
  if (state_.SubMenuWindow.get() == this) state_.SubMenuOpen = false;
}

std::vector<std::u16string> CSubMenuDlg::Labels() const {
  if (group_ == kMacroGroup) return parts_.macros.Names();
  const auto& names = parts_.skin.FunctionNames;
  const auto first = static_cast<std::size_t>(SubMenuFunctionCode(group_, 1));
  const auto span = std::span(names).subspan(first, static_cast<std::size_t>(state_.SubRowCount));
  return {span.begin(), span.end()};
}

bool CSubMenuDlg::OnPaint(fw::Canvas& canvas) {
  look_.Paint(canvas, Labels(), hoverRow_, pressed_, parts_.profile.LanguageFlag());
  return true;
}

void CSubMenuDlg::OnMouseMove(int x, int y) {
  const int32_t row = look_.RowAt({x, y}, state_.SubRowCount);
  if (row == hoverRow_) return;
  hoverRow_ = row;
  Host().Invalidate(true);
}

void CSubMenuDlg::OnLButtonDown(int, int) {
  pressed_ = true;
  Host().Invalidate(true);
}

void CSubMenuDlg::OnLButtonUp(int, int) {
  pressed_ = false;
  Host().Invalidate(true);
  // Below the last row (the outline's last pixel line) nothing is chosen.
  if (hoverRow_ == kNoRow) return;

  parts_.profile.SetButtonFunction(state_.AssignedSlot(), SubMenuFunctionCode(group_, hoverRow_));
  state_.SubMenuDone = true;

  // The list hides, and the main window's paint destroys it (and with it this
  // sub-list) while showing the new function.
  WindowSystem& windows = parts_.windows;
  if (WindowHost* list = windows.FindByCaption(CMenuDlg::kCaption)) list->Send(fw::msg::kClose, 0, 0);
  if (WindowHost* main = windows.FindByCaption(MainCaption(parts_.profile.LanguageFlag()))) {
    main->Invalidate(true);
    main->UpdateNow();
  }
  parts_.clock.Sleep(kCloseDelayMs);
  if (HasWindow()) Host().Destroy();
}

}  // namespace tx80
