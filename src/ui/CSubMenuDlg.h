#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "ui/AssignList.h"
#include "ui/AssignListLook.h"
#include "ui/AssignListState.h"

namespace tx80 {

// The members of one group row (7..10) of the assignment list, beside it:
// functions 11..19, 21..26, the macros (41..52) or 31..40. Releasing on a row
// gives the button that function and closes both lists.
class CSubMenuDlg : public fw::Dialog {
 public:
  static constexpr int kTemplateId = 104;
  static constexpr int kRowsInMask = 12;

  explicit CSubMenuDlg(const AssignListParts& parts);
  ~CSubMenuDlg() override;

  bool OnInitDialog() override;
  bool OnPaint(fw::Canvas& canvas) override;
  bool OnEraseBackground() override { return true; }
  void OnMouseMove(int x, int y) override;
  void OnLButtonDown(int x, int y) override;
  void OnLButtonUp(int x, int y) override;
  void OnDestroyed() override;

  int32_t RowHeight() const { return look_.H(); }

 private:
  std::vector<std::u16string> Labels() const;

  AssignListParts parts_;
  AssignListState& state_;
  AssignListLook look_;
  // The list row the sub-list was opened for. What a release assigns follows
  // what the sub-list shows, even if the list's row under the pointer has
  // changed since (a move the list has not repainted for yet).
  int32_t group_ = kNoRow;
  int32_t hoverRow_ = kNoRow;
  bool pressed_ = false;
};

// Rows of the sub-list of list row `group` (7..10); 0 for any other row.
int32_t SubMenuRowCount(int32_t group, int32_t macroCount);
// The FunctionCode of row `row` of that sub-list.
int32_t SubMenuFunctionCode(int32_t group, int32_t row);

}  // namespace tx80
