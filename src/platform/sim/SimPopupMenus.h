#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/PopupMenus.h"

namespace tx80 {

// The pointer is where the test puts it; a shown menu is recorded and, when
// the test chose an item beforehand, that item's command is posted to the owner.
class SimPopupMenus final : public PopupMenus {
 public:
  fw::Point CursorPosition() override { return cursor; }
  void Track(WindowHost& owner, int menuId, fw::Point at) override;

  struct Shown {
    int menuId;
    fw::Point at;
  };
  const std::vector<Shown>& ShownMenus() const { return shown_; }

  fw::Point cursor{};
  // The command the user picks in the next menu shown (then cleared); none
  // closes the menu without a choice.
  std::optional<uint32_t> nextChoice;

 private:
  std::vector<Shown> shown_;
};

}  // namespace tx80
