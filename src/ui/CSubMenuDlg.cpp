#include "ui/CSubMenuDlg.h"

#include <span>

#include "app/AppContext.h"
#include "platform/WindowHost.h"
#include "app/Captions.h"
#include "ui/CMenuDlg.h"
#include "ui/SkinImages.h"

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

CSubMenuDlg::CSubMenuDlg(AppContext& context)
    : fw::Dialog(kTemplateId),
      context_(context),
      state_(context.assignMenu),
      look_(context.pictures, context.paths.skinsDirectory, kPictures) {}

CSubMenuDlg::~CSubMenuDlg() {
  if (HasWindow()) Host().Destroy();
}

bool CSubMenuDlg::OnInitDialog() {
  look_.ReadGeometry(kRowsInMask);
  group_ = state_.MenuHoverItem;
  state_.SubRowCount = SubMenuRowCount(group_, context_.macros.MacroCount());
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
  if (group_ == kMacroGroup) return context_.macros.Names();
  const auto& names = context_.skin.FunctionNames;
  const auto first = static_cast<std::size_t>(SubMenuFunctionCode(group_, 1));
  const auto span = std::span(names).subspan(first, static_cast<std::size_t>(state_.SubRowCount));
  return {span.begin(), span.end()};
}

bool CSubMenuDlg::OnPaint(fw::Canvas& canvas) {
  look_.Paint(canvas, Labels(), hoverRow_, pressed_, context_.profile.LanguageFlag());
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

  context_.profile.SetButtonFunction(state_.AssignedSlot(),
                                     SubMenuFunctionCode(group_, hoverRow_));
  state_.SubMenuDone = true;

  // The list hides, and the main window's paint destroys it (and with it this
  // sub-list) while showing the new function.
  WindowSystem& windows = context_.platform.windows;
  if (WindowHost* list = windows.FindByCaption(CMenuDlg::kCaption)) list->Send(fw::msg::kClose, 0, 0);
  if (WindowHost* main = windows.FindByCaption(MainCaption(context_.profile.LanguageFlag()))) {
    main->Invalidate(true);
    main->UpdateNow();
  }
  context_.platform.clock.Sleep(kCloseDelayMs);
  if (HasWindow()) Host().Destroy();
}

}  // namespace tx80
