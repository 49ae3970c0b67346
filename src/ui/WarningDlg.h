#pragma once
#include <cstdint>
#include <string>

#include "framework/Dialog.h"
#include "ui/AssignList.h"

namespace tx80 {

struct AssignListState;

// Asks before the list opens for the only button that holds the left click.
// A frameless window shaped by its mask picture, opened modally at
// PopupOrigin; WarningItems 0 and 1 are its buttons (results 1, go on, and 2,
// give up), item 2 its message. Only where the button is released counts;
// Enter does nothing and Escape gives up.
class WarningDlg : public fw::Dialog {
 public:
  static constexpr int kTemplateId = 105;
  static constexpr int kGoOn = 1;
  static constexpr int kGiveUp = 2;

  // `message` in place of the skin's (WarningItems 2), when not empty.
  explicit WarningDlg(const AssignListParts& parts, std::u16string message = {});

  bool OnInitDialog() override;
  bool OnPaint(fw::Canvas& canvas) override;
  bool OnEraseBackground() override { return true; }
  void OnMouseMove(int x, int y) override;
  void OnLButtonUp(int x, int y) override;
  void OnOK() override {}

 private:
  AssignListParts parts_;
  AssignListState& state_;
  std::u16string message_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace tx80
