#include "platform/sim/SimPopupMenus.h"

#include "framework/Message.h"
#include "platform/WindowHost.h"

namespace tx80 {

void SimPopupMenus::Track(WindowHost& owner, int menuId, fw::Point at) {
  shown_.push_back({menuId, at});
  if (nextChoice) owner.Post(fw::msg::kCommand, *nextChoice, 0);
  nextChoice.reset();
}

}  // namespace tx80
