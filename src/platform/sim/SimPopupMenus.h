#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/PopupMenus.h"
#include "platform/sim/SimCanvas.h"
#include "platform/sim/SimMenuResources.h"

namespace tx80 {

class SimWindowHost;

// Menus as the system keeps them, loaded from `resources` (the program's own
// unless a test adds more). The pointer is where the test puts it; a popup
// shown is recorded and, when the test chose an item beforehand, that item's
// command is posted to the owner. Like the system, showing a popup asks its
// owner to measure and draw each owner-drawn item, none of them selected, and
// tells it which carry a check mark. Using a menu that was destroyed or never
// loaded, or an item that does not exist, throws: the program must never.
class SimPopupMenus final : public PopupMenus {
 public:
  fw::Point CursorPosition() override { return cursor; }
  MenuHandle Load(int resourceId) override;
  void Destroy(MenuHandle menu) override;
  int ItemCount(MenuHandle menu) override;
  std::u16string ItemText(MenuHandle menu, int position) override;
  int32_t ItemId(MenuHandle menu, int position) override;
  MenuHandle SubMenu(MenuHandle menu, int position) override;
  void MakeOwnerDrawn(MenuHandle menu, int position, uintptr_t itemData) override;
  void SetChecked(MenuHandle menu, int position, bool checked) override;
  void TrackPopup(MenuHandle menu, uint32_t flags, fw::Point at, WindowHost& owner) override;

  struct Item {
    std::u16string text;
    int32_t id = -1;
    MenuHandle subMenu = MenuHandle::None;
    bool ownerDrawn = false;
    uintptr_t itemData = 0;
    bool checked = false;
  };
  // The items of a menu that exists.
  const std::vector<Item>& Items(MenuHandle menu) const;
  // Loaded menus (and their submenus) not destroyed yet.
  int MenusAlive() const;

  struct Shown {
    int menuId;         // the menu resource the popup comes from
    MenuHandle popup;
    uint32_t flags;
    fw::Point at;
    WindowHost* owner;
    int ownerForegrounds;  // how often the owner had been made the foreground window by then
    // The popup as its owner drew it: the items one below the other, as wide
    // as the widest. `itemRects` holds each item's place on it, by position
    // (empty for an item the owner did not draw).
    std::shared_ptr<const SimCanvas> drawing;
    std::vector<fw::Rect> itemRects;
  };
  const std::vector<Shown>& ShownMenus() const { return shown_; }

  std::map<int, std::vector<SimMenuTemplate>> resources = ProgramMenuResources();
  fw::Point cursor{};
  // The command the user picks in the next popup shown (then cleared); none
  // closes the popup without a choice. It must be a command of that popup or
  // of one of its submenus.
  std::optional<uint32_t> nextChoice;

 private:
  struct Menu {
    int resourceId;
    std::vector<Item> items;
    bool alive = true;
  };
  MenuHandle Make(int resourceId, const std::vector<SimMenuTemplate>& items);
  Menu& Get(MenuHandle menu);
  const Menu& Get(MenuHandle menu) const;
  Item& ItemAt(MenuHandle menu, int position);
  bool Offers(MenuHandle menu, uint32_t command) const;
  void Draw(Shown& shown, SimWindowHost& owner) const;

  std::vector<std::unique_ptr<Menu>> menus_;  // handle n is menus_[n - 1]
  std::vector<Shown> shown_;
};

}  // namespace tx80
