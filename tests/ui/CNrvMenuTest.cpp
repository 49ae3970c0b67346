#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/sim/SimCanvas.h"
#include "platform/sim/SimPopupMenus.h"
#include "ui/ProgramMenus.h"

namespace tx80 {
namespace {

using Item = SimPopupMenus::Item;

constexpr fw::Rgb kWhite{255, 255, 255};
constexpr fw::Rgb kBlack{0, 0, 0};

class CNrvMenuTest : public ::testing::Test {
 protected:
  // Every item of the menu and its submenus, each followed at once by its
  // submenu's items: the order in which the menu hands out its records.
  std::vector<Item> Walk(MenuHandle menu) {
    std::vector<Item> items;
    for (const Item& item : system.Items(menu)) {
      items.push_back(item);
      if (item.subMenu != MenuHandle::None)
        for (const Item& inner : Walk(item.subMenu)) items.push_back(inner);
    }
    return items;
  }

  // The item data the system holds for the first item with this text.
  uintptr_t DataOf(const CNrvMenu& menu, std::u16string_view text) {
    for (const Item& item : Walk(menu.Handle()))
      if (item.text == text) return item.itemData;
    ADD_FAILURE() << "no such item";
    return 0;
  }

  // The texts of the first popup's items.
  std::vector<std::u16string> PopupTexts(const CNrvMenu& menu) {
    std::vector<std::u16string> texts;
    for (const Item& item : system.Items(system.SubMenu(menu.Handle(), 0))) texts.push_back(item.text);
    return texts;
  }

  SimPopupMenus system;
  ProgramMenus menus{system};
};

TEST_F(CNrvMenuTest, EveryItemOfEveryLevelGetsItsRecordInOrder) {
  for (int language : {1, 0}) {
    LoadPopupMenus(menus, language);
    for (const CNrvMenu* menu : {&menus.EventContextMenu, &menus.TrayMenu}) {
      const std::vector<Item> items = Walk(menu->Handle());
      ASSERT_EQ(menu->Used(), static_cast<int>(items.size()));
      for (size_t i = 0; i < items.size(); ++i) {
        const MenuItemRecord& record = menu->Record(static_cast<int>(i));
        EXPECT_TRUE(items[i].ownerDrawn);
        EXPECT_EQ(items[i].itemData, reinterpret_cast<uintptr_t>(&record));
        EXPECT_EQ(record.text, items[i].text);
        EXPECT_EQ(record.id, items[i].id);
        // A submenu item still opens its submenu.
        EXPECT_EQ(items[i].subMenu != MenuHandle::None, record.id == -1);
      }
    }
    EXPECT_EQ(menus.EventContextMenu.Used(), 23);
    EXPECT_EQ(menus.TrayMenu.Used(), 8);
  }
  // The top item, "项前插入    ", its first button, then that button's first command.
  EXPECT_EQ(menus.EventContextMenu.Record(3).text, u"向下    ");
  EXPECT_EQ(menus.EventContextMenu.Record(3).id, 32817);
}

TEST_F(CNrvMenuTest, LoadsTheMenusOfTheLanguageInPlaceOfTheOldOnes) {
  LoadPopupMenus(menus, 1);
  EXPECT_EQ(PopupTexts(menus.TrayMenu), (std::vector<std::u16string>{u"Show Window", u"Exit Driver",
                                                                      u"Start with Windows", u"On-screen display",
                                                                      u"Game profiles…",
                                                                      u"Back up settings…", u"Restore settings…"}));
  EXPECT_EQ(PopupTexts(menus.EventContextMenu).front(), u"Add Forward");
  // Each menu with its submenus: the event menu has 10, the tray menu 2.
  EXPECT_EQ(system.MenusAlive(), 12);

  LoadPopupMenus(menus, 0);
  EXPECT_EQ(PopupTexts(menus.TrayMenu),
            (std::vector<std::u16string>{u"显示窗口   ", u"关闭驱动", u"开机启动", u"屏幕提示", u"游戏配置…",
                                         u"备份设置…", u"恢复设置…"}));
  EXPECT_EQ(PopupTexts(menus.EventContextMenu).front(), u"项前插入    ");
  EXPECT_EQ(system.MenusAlive(), 12);
  EXPECT_EQ(menus.TrayMenu.Record(1).id, 32837);
  EXPECT_EQ(menus.TrayMenu.Record(2).id, 32838);

  // A menu that is not there leaves none, rather than the old one.
  system.resources.erase(157);
  LoadPopupMenus(menus, 1);
  EXPECT_EQ(menus.TrayMenu.Handle(), MenuHandle::None);
  EXPECT_EQ(menus.TrayMenu.Used(), 0);
}

TEST_F(CNrvMenuTest, DestroyingTheMenusDestroysWhatTheyHold) {
  {
    ProgramMenus held{system};
    LoadPopupMenus(held, 1);
    EXPECT_GT(system.MenusAlive(), 0);
  }
  EXPECT_EQ(system.MenusAlive(), 0);
}

TEST_F(CNrvMenuTest, MeasuresEightPixelsPerCharacterAndTwentyHigh) {
  LoadPopupMenus(menus, 0);
  const CNrvMenu& event = menus.EventContextMenu;
  struct Case {
    const CNrvMenu& menu;
    std::u16string text;
    int width;
  };
  for (const auto& c : {Case{event, u"修改延迟", 32}, Case{event, u"项前插入    ", 64},
                        Case{menus.TrayMenu, u"显示窗口   ", 56}}) {
    fw::Size size;
    // Either menu measures the items of both.
    EXPECT_TRUE(menus.TrayMenu.MeasureItem(DataOf(c.menu, c.text), size));
    EXPECT_EQ(size, (fw::Size{c.width, 20})) << std::string(c.text.begin(), c.text.end());
  }
  LoadPopupMenus(menus, 1);
  fw::Size size;
  EXPECT_TRUE(menus.TrayMenu.MeasureItem(DataOf(menus.EventContextMenu, u"Modify Delay"), size));
  EXPECT_EQ(size, (fw::Size{96, 20}));
  EXPECT_FALSE(menus.TrayMenu.MeasureItem(0, size));
}

TEST_F(CNrvMenuTest, ItemNotSelectedIsTheSkinsBlueWithWhiteTextIndented) {
  LoadPopupMenus(menus, 1);
  SimCanvas canvas(120, 40);
  const fw::Rect rect{0, 10, 120, 30};
  ASSERT_TRUE(menus.TrayMenu.DrawItem({DataOf(menus.TrayMenu, u"Exit Driver"), rect, false}, canvas));
  for (const fw::Point p : {fw::Point{0, 10}, fw::Point{119, 29}, fw::Point{60, 20}})
    EXPECT_EQ(canvas.Surface().Pixel(p.x, p.y), (fw::Rgb{0, 120, 153}));
  EXPECT_EQ(canvas.Surface().Pixel(0, 9), kBlack);  // nothing outside the item
  ASSERT_EQ(canvas.Texts().size(), 1u);
  const SimCanvas::DrawnText& text = canvas.Texts()[0];
  EXPECT_EQ(text.text, u"Exit Driver");
  EXPECT_EQ(text.colour, kWhite);
  EXPECT_EQ(text.x, 10);
  EXPECT_EQ(text.y, 10 + (20 - text.fontHeight) / 2);  // one line, centred
  EXPECT_FALSE(menus.TrayMenu.DrawItem({0, rect, false}, canvas));
}

TEST_F(CNrvMenuTest, SelectedItemIsAFramedGradientSubmenuItemsAlike) {
  LoadPopupMenus(menus, 1);
  const fw::Rect rect{5, 10, 105, 30};  // 20 pixels high: a frame around 18 rows
  SimCanvas command(120, 40);
  SimCanvas submenu(120, 40);
  // The event menu's items drawn by the tray menu, as the main window has it.
  ASSERT_TRUE(menus.TrayMenu.DrawItem({DataOf(menus.EventContextMenu, u"Delete"), rect, true}, command));
  ASSERT_TRUE(menus.TrayMenu.DrawItem({DataOf(menus.EventContextMenu, u"Add Forward"), rect, true}, submenu));

  const fw::Image& pixels = command.Surface();
  for (int x = 5; x < 105; ++x) {  // the surface's pen: black
    EXPECT_EQ(pixels.Pixel(x, 10), kBlack);
    EXPECT_EQ(pixels.Pixel(x, 29), kBlack);
  }
  for (int y = 10; y < 30; ++y) {
    EXPECT_EQ(pixels.Pixel(5, y), kBlack);
    EXPECT_EQ(pixels.Pixel(104, y), kBlack);
  }
  for (int row = 0; row < 18; ++row) {
    // 255 / 18 whole steps of 14: green runs 0, 14, ... 238.
    const fw::Rgb expected{0, static_cast<uint8_t>(14 * row), 255};
    EXPECT_EQ(pixels.Pixel(6, 11 + row), expected) << row;
    EXPECT_EQ(pixels.Pixel(103, 11 + row), expected) << row;
  }
  EXPECT_EQ(pixels.Pixel(50, 28).g, 238);
  EXPECT_EQ(command.Texts()[0].x, 15);

  EXPECT_TRUE(std::equal(pixels.Pixels(), pixels.Pixels() + 120 * 40, submenu.Surface().Pixels()));
  ASSERT_EQ(submenu.Texts().size(), 1u);
  EXPECT_EQ(submenu.Texts()[0].text, u"Add Forward");
  EXPECT_EQ(submenu.Texts()[0].x, 15);
  EXPECT_EQ(submenu.Texts()[0].colour, kWhite);
}

// The marks are given right before the menu is shown; the items that may
// carry one keep room for it until the menu is loaded again.
TEST_F(CNrvMenuTest, ItemsThatMayCarryAMarkAreMeasuredWithRoomForIt) {
  LoadPopupMenus(menus, 0);
  const auto width = [&](std::u16string_view text) {
    fw::Size size;
    EXPECT_TRUE(menus.TrayMenu.MeasureItem(DataOf(menus.TrayMenu, text), size));
    return size.cx;
  };
  std::vector<int32_t> asked;
  menus.TrayMenu.SetCheckMarks([&](int32_t id) -> std::optional<bool> {
    asked.push_back(id);
    if (id == 32840) return true;
    if (id == 32841) return false;
    return std::nullopt;
  });
  EXPECT_EQ(asked, (std::vector<int32_t>{32837, 32838, 32840, 32841, 32842, 32843, 32844}));
  std::vector<bool> checked;
  for (const Item& item : system.Items(system.SubMenu(menus.TrayMenu.Handle(), 0))) checked.push_back(item.checked);
  EXPECT_EQ(checked, (std::vector<bool>{false, false, true, false, false, false, false}));
  EXPECT_EQ(width(u"开机启动"), 32 + CNrvMenu::kCheckMarkRoom);
  EXPECT_EQ(width(u"屏幕提示"), 32 + CNrvMenu::kCheckMarkRoom);  // unchecked now, but it may be
  EXPECT_EQ(width(u"游戏配置…"), 40);
  EXPECT_EQ(width(u"显示窗口   "), 56);

  LoadPopupMenus(menus, 0);
  EXPECT_EQ(width(u"开机启动"), 32);
}

// A checked item is drawn as it would be unchecked, plus a white tick near
// its right end, on either background.
TEST_F(CNrvMenuTest, CheckedItemGetsAWhiteTickAtItsRightEnd) {
  LoadPopupMenus(menus, 0);
  const fw::Rect rect{5, 10, 105, 30};
  // Where the tick lies: 9 by 7 pixels, 5 from the right edge, centred.
  const fw::Rect mark{105 - 5 - 9, 10 + 7, 105 - 5, 10 + 14};
  const std::vector<fw::Point> tick = {{91, 19}, {92, 20}, {93, 21}, {94, 22}, {97, 19}, {99, 17},
                                       {91, 20}, {93, 22}, {94, 23}, {99, 18}};
  for (const bool selected : {false, true}) {
    SimCanvas plain(120, 40);
    SimCanvas checked(120, 40);
    const uintptr_t data = DataOf(menus.TrayMenu, u"开机启动");
    ASSERT_TRUE(menus.TrayMenu.DrawItem({data, rect, selected, false}, plain));
    ASSERT_TRUE(menus.TrayMenu.DrawItem({data, rect, selected, true}, checked));
    for (const fw::Point p : tick) EXPECT_EQ(checked.Surface().Pixel(p.x, p.y), kWhite) << p.x << "," << p.y;
    int whiteInMark = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 120; ++x) {
        const bool inMark = x >= mark.left && x < mark.right && y >= mark.top && y < mark.bottom;
        if (!inMark) {
          EXPECT_EQ(checked.Surface().Pixel(x, y), plain.Surface().Pixel(x, y)) << x << "," << y;
        }
        if (inMark && checked.Surface().Pixel(x, y) == kWhite) ++whiteInMark;
      }
    EXPECT_EQ(whiteInMark, 18) << selected;  // two strokes of 9 pixels
    ASSERT_EQ(checked.Texts().size(), 1u);
    EXPECT_EQ(checked.Texts()[0].x, plain.Texts()[0].x);
  }
}

TEST_F(CNrvMenuTest, TooShortToHoldAGradientStillDrawsItsFrameAndText) {
  LoadPopupMenus(menus, 1);
  for (const int height : {2, 1, 0}) {
    SimCanvas canvas(40, 10);
    ASSERT_TRUE(menus.TrayMenu.DrawItem({DataOf(menus.TrayMenu, u"Exit Driver"), {0, 0, 40, height}, true}, canvas));
    if (height > 0) {
      EXPECT_EQ(canvas.Surface().Pixel(20, 0), kBlack);
    }
    EXPECT_EQ(canvas.Texts().size(), 1u);
  }
}

TEST_F(CNrvMenuTest, ItemsBeyondTheRecordsAreLeftToTheSystem) {
  // A popup holding two submenus of 20 commands each: 1 + (1 + 20) + (1 + 7) records.
  std::vector<SimMenuTemplate> first;
  std::vector<SimMenuTemplate> second;
  for (int i = 0; i < 20; ++i) {
    first.push_back({u"a" + std::u16string(static_cast<size_t>(i), u'x'), 1000 + i, {}});
    second.push_back({u"b" + std::u16string(static_cast<size_t>(i), u'x'), 2000 + i, {}});
  }
  system.resources[500] = {{u"Top", -1, {{u"First", -1, first}, {u"Second", -1, second}}}};
  CNrvMenu menu(system);
  ASSERT_TRUE(menu.LoadOwnerDrawn(500));
  EXPECT_EQ(menu.Used(), CNrvMenu::kCapacity);
  const std::vector<Item> items = Walk(menu.Handle());
  ASSERT_EQ(items.size(), 43u);
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].ownerDrawn, i < 30) << i;
  EXPECT_EQ(menu.Record(29).id, 2006);
  EXPECT_EQ(items[30].itemData, 0u);
}

}  // namespace
}  // namespace tx80
