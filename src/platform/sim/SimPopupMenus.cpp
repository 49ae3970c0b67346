#include "platform/sim/SimPopupMenus.h"

#include <algorithm>
#include <stdexcept>

#include "framework/Message.h"
#include "platform/WindowHost.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

MenuHandle SimPopupMenus::Make(int resourceId, const std::vector<SimMenuTemplate>& items) {
  auto menu = std::make_unique<Menu>();
  menu->resourceId = resourceId;
  for (const SimMenuTemplate& item : items) {
    const MenuHandle subMenu = item.id == -1 ? Make(resourceId, item.items) : MenuHandle::None;
    menu->items.push_back({item.text, item.id, subMenu});
  }
  menus_.push_back(std::move(menu));
  return static_cast<MenuHandle>(menus_.size());
}

MenuHandle SimPopupMenus::Load(int resourceId) {
  const auto resource = resources.find(resourceId);
  return resource == resources.end() ? MenuHandle::None : Make(resourceId, resource->second);
}

SimPopupMenus::Menu& SimPopupMenus::Get(MenuHandle menu) {
  return const_cast<Menu&>(static_cast<const SimPopupMenus&>(*this).Get(menu));
}

const SimPopupMenus::Menu& SimPopupMenus::Get(MenuHandle menu) const {
  const auto index = static_cast<size_t>(menu);
  if (index == 0 || index > menus_.size() || !menus_[index - 1]->alive)
    throw std::logic_error("menu used that was never loaded or is destroyed");
  return *menus_[index - 1];
}

SimPopupMenus::Item& SimPopupMenus::ItemAt(MenuHandle menu, int position) {
  std::vector<Item>& items = Get(menu).items;
  if (position < 0 || static_cast<size_t>(position) >= items.size())
    throw std::logic_error("menu item asked for past the menu's end");
  return items[static_cast<size_t>(position)];
}

void SimPopupMenus::Destroy(MenuHandle menu) {
  if (menu == MenuHandle::None) return;
  Menu& destroyed = Get(menu);
  for (const Item& item : destroyed.items)
    if (item.subMenu != MenuHandle::None) Destroy(item.subMenu);
  destroyed.alive = false;
}

int SimPopupMenus::ItemCount(MenuHandle menu) { return static_cast<int>(Get(menu).items.size()); }

std::u16string SimPopupMenus::ItemText(MenuHandle menu, int position) { return ItemAt(menu, position).text; }

int32_t SimPopupMenus::ItemId(MenuHandle menu, int position) { return ItemAt(menu, position).id; }

MenuHandle SimPopupMenus::SubMenu(MenuHandle menu, int position) { return ItemAt(menu, position).subMenu; }

void SimPopupMenus::MakeOwnerDrawn(MenuHandle menu, int position, uintptr_t itemData) {
  Item& item = ItemAt(menu, position);
  item.ownerDrawn = true;
  item.itemData = itemData;
}

void SimPopupMenus::SetChecked(MenuHandle menu, int position, bool checked) { ItemAt(menu, position).checked = checked; }

bool SimPopupMenus::Offers(MenuHandle menu, uint32_t command) const {
  return std::any_of(Get(menu).items.begin(), Get(menu).items.end(), [&](const Item& item) {
    return item.subMenu != MenuHandle::None ? Offers(item.subMenu, command) : item.id == static_cast<int32_t>(command);
  });
}

void SimPopupMenus::Draw(Shown& shown, SimWindowHost& owner) const {
  const std::vector<Item>& items = Get(shown.popup).items;
  std::vector<fw::Size> sizes(items.size());
  int width = 0;
  int height = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].ownerDrawn || !owner.MeasureMenuItem(items[i].itemData, sizes[i])) sizes[i] = {};
    width = std::max(width, sizes[i].cx);
    height += sizes[i].cy;
  }
  auto canvas = std::make_shared<SimCanvas>(width, height);
  int top = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const fw::Rect rect{0, top, width, top + sizes[i].cy};
    const bool drawn =
        sizes[i].cy > 0 && owner.DrawMenuItem({items[i].itemData, rect, false, items[i].checked}, *canvas);
    shown.itemRects.push_back(drawn ? rect : fw::Rect{});
    top += sizes[i].cy;
  }
  shown.drawing = std::move(canvas);
}

void SimPopupMenus::TrackPopup(MenuHandle menu, uint32_t flags, fw::Point at, WindowHost& owner) {
  auto* simOwner = dynamic_cast<SimWindowHost*>(&owner);
  shown_.push_back({Get(menu).resourceId, menu, flags, at, &owner, simOwner ? simOwner->Foregrounds() : 0, {}, {}});
  if (simOwner) Draw(shown_.back(), *simOwner);
  const std::optional<uint32_t> choice = nextChoice;
  nextChoice.reset();
  if (!choice) return;
  if (!Offers(menu, *choice)) throw std::logic_error("the item chosen is not in the menu shown");
  owner.Post(fw::msg::kCommand, *choice, 0);
}

const std::vector<SimPopupMenus::Item>& SimPopupMenus::Items(MenuHandle menu) const { return Get(menu).items; }

int SimPopupMenus::MenusAlive() const {
  return static_cast<int>(std::count_if(menus_.begin(), menus_.end(), [](const auto& m) { return m->alive; }));
}

}  // namespace tx80
