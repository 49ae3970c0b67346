#include <gtest/gtest.h>

#include <string>

#include "app/Captions.h"
#include "framework/Message.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;

constexpr uint32_t kShowWindow = 32801;
constexpr uint32_t kExitDriver = 32800;

constexpr uint32_t kNotification = tx80::TrayIcon::kCallbackMessage;

// A program with the mouse, started in the language of `languageFlag` and shown.
struct Running {
  explicit Running(int languageFlag) {
    std::string config = test::kFactoryProfile;
    config.insert(config.find("[Config1]"), "VER_SEL=" + std::to_string(languageFlag) + "\n");
    WriteFile(program.dir / "config.ini", config);
    window = &program.Start();
    window->Show(ShowMode::Show);
  }

  // The shell reports a pointer message over an icon; a command chosen in
  // the menu then arrives.
  intptr_t Notify(uintptr_t iconId, intptr_t mouseMessage) {
    const intptr_t result = window->Send(kNotification, iconId, mouseMessage);
    window->PumpPosted();
    return result;
  }
  void Hide() { program.dialog.HideToTray(); }
  SimTray& tray() { return program.os.tray; }
  SimPopupMenus& menus() { return program.os.popupMenus; }

  SimDesktop desktop;
  MouseProgram program{desktop};
  SimWindowHost* window = nullptr;
};

TEST(TrayIcon, HidingAddsTheIconTippedWithTheCaption) {
  for (int language : {1, 0}) {
    Running p(language);
    p.Hide();
    const auto calls = p.tray().Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].add);
    EXPECT_EQ(calls[0].tip, MainCaption(language));
    EXPECT_EQ(calls[0].window, p.window);
    EXPECT_FALSE(p.window->IsVisible());
    EXPECT_TRUE(p.window->IsMinimized());
  }
}

TEST(TrayIcon, NotificationsOfAnotherIconOrOfOtherMessagesChangeNothing) {
  Running p(1);
  p.Hide();
  EXPECT_EQ(p.Notify(154, fw::msg::kLButtonDblClk), 1);
  EXPECT_EQ(p.Notify(152, fw::msg::kRButtonUp), 1);
  EXPECT_EQ(p.Notify(153, fw::msg::kMouseMove), 0);
  EXPECT_EQ(p.Notify(153, fw::msg::kLButtonDown), 0);
  EXPECT_FALSE(p.window->IsVisible());
  EXPECT_TRUE(p.tray().IconShown());
  EXPECT_TRUE(p.menus().ShownMenus().empty());
  EXPECT_EQ(p.window->Foregrounds(), 0);
}

TEST(TrayIcon, DoubleClickRestoresTheWindowAndRemovesTheIcon) {
  Running p(1);
  p.Hide();
  EXPECT_EQ(p.Notify(153, fw::msg::kLButtonDblClk), 0);
  EXPECT_TRUE(p.window->IsVisible());
  EXPECT_FALSE(p.window->IsMinimized());
  EXPECT_FALSE(p.tray().IconShown());
  EXPECT_EQ(p.tray().Calls().back().tip, u"NRV_VIruvi");
}

TEST(TrayIcon, RightClickOpensTheMenuOfTheLanguageAtTheCursorInTheForeground) {
  struct Case {
    int language;
    int menuId;
    std::u16string firstItem;
  };
  for (const auto& c : {Case{1, 157, u"Show Window"}, Case{0, 162, u"显示窗口   "}}) {
    Running p(c.language);
    p.Hide();
    p.menus().cursor = {1800, 1050};
    EXPECT_EQ(p.Notify(153, fw::msg::kRButtonUp), 0);
    const auto& shown = p.menus().ShownMenus();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].menuId, c.menuId);
    EXPECT_EQ(shown[0].at, (fw::Point{1800, 1050}));
    EXPECT_EQ(shown[0].flags, 0u);
    EXPECT_EQ(shown[0].owner, p.window);
    EXPECT_EQ(shown[0].ownerForegrounds, 1);  // made the foreground window first
    // Owner-drawn, and the main window measures and draws its items.
    const auto& items = p.menus().Items(shown[0].popup);
    EXPECT_EQ(items[0].text, c.firstItem);
    EXPECT_TRUE(items[0].ownerDrawn && items[1].ownerDrawn);
    fw::Size size;
    EXPECT_TRUE(p.program.dialog.OnMeasureMenuItem(items[0].itemData, size));
    EXPECT_EQ(size, (fw::Size{8 * static_cast<int>(c.firstItem.size()), 20}));
    SimCanvas canvas(100, 20);
    EXPECT_TRUE(p.program.dialog.OnDrawMenuItem({items[0].itemData, {0, 0, 100, 20}, false}, canvas));
    EXPECT_NE(canvas.FindText(c.firstItem), nullptr);
    // Nothing chosen: the window stays hidden.
    EXPECT_FALSE(p.window->IsVisible());
  }
}

TEST(TrayIcon, AfterTheMenusAreLoadedAgainTheNewLanguagesMenuIsShown) {
  Running p(1);
  p.Hide();
  LoadPopupMenus(p.program.context.menus, 0);  // as a switch to Chinese does
  p.menus().nextChoice = 32837;                // "显示窗口   "
  p.Notify(153, fw::msg::kRButtonUp);
  EXPECT_EQ(p.menus().ShownMenus().back().menuId, 162);
  EXPECT_TRUE(p.window->IsVisible());
  EXPECT_FALSE(p.tray().IconShown());
}

TEST(TrayIcon, ShowWindowOfEitherLanguageShowsRestoresAndRemovesTheIcon) {
  Running p(1);
  for (uint32_t command : {kShowWindow, 32837u}) {
    p.Hide();
    p.window->Deliver({fw::msg::kCommand, command, 0, true});
    EXPECT_TRUE(p.window->IsVisible()) << command;
    EXPECT_FALSE(p.window->IsMinimized());
    EXPECT_FALSE(p.tray().IconShown());
    EXPECT_EQ(p.tray().Calls().back().tip, u"NRV_VIruvi");
  }
}

TEST(TrayIcon, ExitDriverOfEitherLanguageRunsTheClosingSequence) {
  for (const auto& [language, command] : {std::pair{1, kExitDriver}, std::pair{0, 32838u}}) {
    Running p(language);
    p.desktop.systemMouse.speed = 3;
    p.Hide();
    p.menus().nextChoice = command;
    p.Notify(153, fw::msg::kRButtonUp);
    EXPECT_TRUE(p.window->Destroyed()) << command;
    EXPECT_FALSE(p.tray().IconShown());
    EXPECT_EQ(p.program.os.input.Events().size(), 7u);  // Alt released
    EXPECT_EQ(p.desktop.systemMouse.speed, 10);
  }
}

TEST(TrayIcon, ARestartedShellGetsTheIconAgainOnlyWhileTheWindowIsHidden) {
  Running p(0);
  p.tray().RestartShell();
  p.window->PumpPosted();
  EXPECT_TRUE(p.tray().Calls().empty());

  p.Hide();
  p.tray().RestartShell();
  EXPECT_FALSE(p.tray().IconShown());
  p.window->PumpPosted();
  EXPECT_TRUE(p.tray().IconShown());
  ASSERT_EQ(p.tray().Calls().size(), 2u);  // the hiding and the restart
  EXPECT_EQ(p.tray().Calls().back().tip, kCaptionChinese);

  p.Notify(153, fw::msg::kLButtonDblClk);
  p.tray().RestartShell();
  p.window->PumpPosted();
  EXPECT_FALSE(p.tray().IconShown());
}

}  // namespace
}  // namespace tx80
