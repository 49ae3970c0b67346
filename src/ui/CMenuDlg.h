#pragma once
#include <cstdint>
#include <string_view>

#include "framework/Dialog.h"
#include "ui/AssignList.h"
#include "ui/AssignListLook.h"
#include "ui/AssignListState.h"

namespace tx80 {

// The assignment list of a button element: ten rows named FunctionNames[1..10].
// Releasing on rows 1..6 gives the button that function; resting on rows 7..10
// opens the sub-list of the group beside the list (CSubMenuDlg).
class CMenuDlg : public fw::Dialog {
 public:
  static constexpr int kTemplateId = 103;
  // The sub-list finds the open list by this caption.
  static constexpr std::u16string_view kCaption = u"MainMenuDlg";
  static constexpr int kRows = 10;
  // The pointer is tested against two rows more than the list shows; the
  // outline's last pixel line lies in row 11.
  static constexpr int kPointerRows = 12;
  static constexpr int kFirstGroupRow = 7;
  static constexpr int kLastDirectRow = 6;

  explicit CMenuDlg(const AssignListParts& parts);
  ~CMenuDlg() override;

  bool OnInitDialog() override;
  bool OnPaint(fw::Canvas& canvas) override;
  bool OnEraseBackground() override { return true; }
  void OnMouseMove(int x, int y) override;
  void OnLButtonDown(int x, int y) override;
  void OnLButtonUp(int x, int y) override;
  // WM_CLOSE does what it does to any dialog: Cancel, which hides a modeless one.
  void OnClose() override { OnCancel(); }
  // The sub-list the list owns goes with it.
  void OnDestroyed() override;

  int32_t RowHeight() const { return look_.H(); }

 private:
  void ReplaceSubMenu();

  AssignListParts parts_;
  AssignListState& state_;
  AssignListLook look_;
  int32_t lastMoveRow_ = kNoRow;
};

}  // namespace tx80
