#include <gtest/gtest.h>

#include <string>

#include "app/CNRV_VIruviApp.h"
#include "profile/Captions.h"
#include "app/GameProfilesDlg.h"
#include "app/TrayIconHandler.h"
#include "framework/Message.h"
#include "framework/PrivateProfile.h"
#include "support/MouseProgram.h"
#include "ui/OnScreenNotice.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;
using Item = SimPopupMenus::Item;

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
    // The window goes first: the shell may take seconds to add the icon.
    EXPECT_FALSE(calls[0].windowShown);
    EXPECT_FALSE(p.window->IsVisible());
    EXPECT_TRUE(p.window->IsMinimized());
  }
}

// At sign-in the shell may refuse the icon while it starts; each refusal is
// asked again later, from a waiting thread, until the shell takes it.
TEST(TrayIcon, ARefusedAddIsTriedAgainUntilTheShellTakesIt) {
  Running p(1);
  p.tray().FailAdds(2);
  const std::size_t threadsBefore = p.program.os.threads.Started().size();
  p.Hide();
  EXPECT_FALSE(p.tray().IconShown());
  for (int refusal = 1; refusal <= 2; ++refusal) {
    const auto threads = p.program.os.threads.Started();
    ASSERT_EQ(threads.size(), threadsBefore + static_cast<std::size_t>(refusal)) << "one waiting thread per refusal";
    const int64_t before = p.program.os.clock.ElapsedMs();
    threads.back().body();  // waits, then asks the window to try again
    EXPECT_EQ(p.program.os.clock.ElapsedMs() - before, TrayIconHandler::kAddRetryMs);
    p.window->PumpPosted();
  }
  EXPECT_TRUE(p.tray().IconShown());
  const auto calls = p.tray().Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_TRUE(calls[0].failed && calls[1].failed && !calls[2].failed);
  EXPECT_EQ(calls[2].tip, MainCaption(1));
  EXPECT_EQ(p.program.os.threads.Started().size(), threadsBefore + 2);  // none after the success
}

TEST(TrayIcon, ARetryAfterTheWindowCameBackAddsNothing) {
  Running p(1);
  p.tray().FailAdds(1);
  p.Hide();
  const auto retry = p.program.os.threads.Started().back().body;
  p.window->Show(ShowMode::Show);  // a second copy restores it
  retry();
  p.window->PumpPosted();
  EXPECT_FALSE(p.tray().IconShown());
  EXPECT_EQ(p.tray().Calls().size(), 1u);  // only the refused add
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
  LoadPopupMenus(p.program.context.ui.menus, 0);  // as a switch to Chinese does
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

// The items as the menu offers them, whichever language: the window's two
// first, as they always were, then the driver's options.
TEST(TrayMenu, HoldsTheWindowItemsThenTheDriversOptionsInBothLanguages) {
  struct Case {
    int language;
    std::vector<std::u16string> texts;
    std::vector<int32_t> ids;
  };
  const Case cases[] = {
      {1,
       {u"Show Window", u"Exit Driver", u"Start with Windows", u"On-screen display", u"Game profiles…",
        u"Back up settings…", u"Restore settings…"},
       {32801, 32800, 32840, 32841, 32842, 32843, 32844}},
      {0, {u"显示窗口   ", u"关闭驱动", u"开机启动", u"屏幕提示", u"游戏配置…", u"备份设置…", u"恢复设置…"},
       {32837, 32838, 32840, 32841, 32842, 32843, 32844}},
  };
  for (const Case& c : cases) {
    Running p(c.language);
    p.Hide();
    p.Notify(153, fw::msg::kRButtonUp);
    const SimPopupMenus::Shown& shown = p.menus().ShownMenus().back();
    std::vector<std::u16string> texts;
    std::vector<int32_t> ids;
    for (const Item& item : p.menus().Items(shown.popup)) {
      texts.push_back(item.text);
      ids.push_back(item.id);
      EXPECT_TRUE(item.ownerDrawn) << c.language;
    }
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(ids, c.ids);
    // The owner drew them all, in order, one below the other.
    const auto& drawn = shown.drawing->Texts();
    ASSERT_EQ(drawn.size(), c.texts.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
      EXPECT_EQ(drawn[i].text, c.texts[i]);
      EXPECT_EQ(shown.itemRects[i].top, 20 * static_cast<int>(i));
    }
  }
}

// Where the check mark's lower corner lies in an item 20 pixels high.
bool TickDrawn(const SimCanvas& drawing, const fw::Rect& item) {
  const int x = item.right - CNrvMenu::kCheckMarkRightMargin - CNrvMenu::kCheckMarkWidth + 3;
  return drawing.Surface().Pixel(x, item.top + 12) == CNrvMenu::kTextColour;
}

TEST(TrayMenu, CheckMarksFollowTheSystemAndTheOptionsAtEachShowing) {
  Running p(1);
  p.Hide();
  // Opens the menu and tells which items carry a mark, as set and as drawn.
  const auto marks = [&p] {
    p.Notify(153, fw::msg::kRButtonUp);
    const SimPopupMenus::Shown& shown = p.menus().ShownMenus().back();
    std::vector<bool> checked;
    const std::vector<Item>& items = p.menus().Items(shown.popup);
    for (size_t i = 0; i < items.size(); ++i) {
      checked.push_back(items[i].checked);
      EXPECT_EQ(TickDrawn(*shown.drawing, shown.itemRects[i]), items[i].checked) << i;
    }
    return checked;
  };
  EXPECT_EQ(marks(), (std::vector<bool>{false, false, false, true, false, false, false}));  // the display is on by default

  // Someone else adds the entry to the sign-in start list; the display is
  // switched off through the menu.
  p.program.os.autoStart.entries[u"TX80"] = u"elsewhere";
  p.menus().nextChoice = 32841;
  EXPECT_EQ(marks(), (std::vector<bool>{false, false, true, true, false, false, false}));
  EXPECT_EQ(marks(), (std::vector<bool>{false, false, true, false, false, false, false}));

  // The menus loaded again (a language switch) start with no marks.
  LoadPopupMenus(p.program.context.ui.menus, 0);
  EXPECT_EQ(marks(), (std::vector<bool>{false, false, true, false, false, false, false}));
  EXPECT_EQ(p.menus().ShownMenus().back().menuId, 162);

  p.program.os.autoStart.entries.clear();
  EXPECT_EQ(marks(), (std::vector<bool>{false, false, false, false, false, false, false}));
}

TEST(TrayMenu, EachOptionChosenFromTheMenuOfEitherLanguage) {
  for (const int language : {1, 0}) {
    Running p(language);
    p.Hide();
    const auto choose = [&p](uint32_t command) {
      p.menus().nextChoice = command;
      p.Notify(153, fw::msg::kRButtonUp);
    };
    choose(32840);
    EXPECT_EQ(p.program.os.autoStart.entries.count(u"TX80"), 1u) << language;
    choose(32840);
    EXPECT_TRUE(p.program.os.autoStart.entries.empty());

    choose(32841);
    const auto config = p.program.dir / "config.ini";
    EXPECT_EQ(ReadProfileString(p.program.os.files, config, u"Options", u"ON_SCREEN_DISPLAY", 5), u"0");
    p.window->Send(kOnScreenNoticeMessage, 1, 4);  // profile 4 from a mouse button
    EXPECT_TRUE(p.program.os.onScreenDisplay.Texts().empty());
    choose(32841);
    EXPECT_EQ(ReadProfileString(p.program.os.files, config, u"Options", u"ON_SCREEN_DISPLAY", 5), u"1");
    p.window->Send(kOnScreenNoticeMessage, 1, 4);
    EXPECT_EQ(p.program.os.onScreenDisplay.Texts().size(), 1u);

    choose(32842);
    const int dialog = language ? GameProfilesDlg::kTemplateEnglish : GameProfilesDlg::kTemplateChinese;
    EXPECT_EQ(p.program.os.windows.modalTemplates, std::vector<int>{dialog});

    // None of them brings the window back.
    EXPECT_FALSE(p.window->IsVisible());
    EXPECT_TRUE(p.tray().IconShown());
  }
}

// A second copy restores the first one's window from its own process: the
// icon goes as it does when the user brings the window back, whether the
// window was hidden by the user or never shown (started at sign-in).
TEST(TrayIcon, ASecondCopyRestoringTheWindowTakesTheIconAway) {
  for (const bool signIn : {false, true}) {
    SimDesktop desktop;
    MouseProgram first(desktop);
    MouseProgram second(desktop);
    ASSERT_FALSE(first.os.singleInstance.AlreadyRunning(u"CNRV_VIruviApp"));
    CNRV_VIruviDlg dialog(first.context, signIn);
    SimWindowHost& window = first.os.windows.Open(dialog);
    if (!signIn) dialog.HideToTray();
    ASSERT_TRUE(first.os.tray.IconShown());
    ASSERT_FALSE(window.IsVisible());

    EXPECT_FALSE(CNRV_VIruviApp(second.context).InitInstance());
    EXPECT_TRUE(window.IsVisible()) << signIn;
    EXPECT_FALSE(window.IsMinimized());
    EXPECT_FALSE(first.os.tray.IconShown());
    EXPECT_EQ(first.os.tray.Calls().back().tip, u"NRV_VIruvi");
    // Shown, the window gets no icon from a restarted shell.
    first.os.tray.RestartShell();
    window.PumpPosted();
    EXPECT_FALSE(first.os.tray.IconShown());
  }
}

}  // namespace
}  // namespace tx80
