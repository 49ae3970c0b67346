#include "ui/ClickDispatch.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/Message.h"
#include "macro/MacroFile.h"
#include "macro/MacroPage.h"
#include "platform/sim/JpegImageLoader.h"
#include "ui/CMenuDlg.h"
#include "ui/SkinImages.h"
#include "ui/WarningDlg.h"
#include "support/MainWindowUser.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;

constexpr Page kMain = Page::Main;
constexpr Page kAdvanced = Page::Advanced;
constexpr Page kColor = Page::Color;
constexpr int kPageTabs[] = {9, 10, 11};  // MainItems: the tab of each page

const std::vector<int> kControlOrder = {MacroPage::kRepeatCountEditId, MacroPage::kMacroNameEditId,
                                        MacroPage::kMacroListId, MacroPage::kEventListId};

// The main window of an English program with the factory profile, on the
// main page.
class ClickDispatchTest : public ::testing::Test {
 protected:
  ClickDispatchTest() {
    program.mouse->ClearReports();
    start = profile.Fields();
  }
  SimWindowHost& StartProgram() {
    std::string config = test::kFactoryProfile;
    config.insert(config.find("[Config1]"), "VER_SEL=1\n");
    test::WriteFile(program.dir / "config.ini", config);
    return program.Start();
  }

  void ShowPage(Page page) { user.Click(user.Main(kPageTabs[static_cast<int>(page)])); }
  fw::Point Element(Page page, int element) const {
    switch (page) {
      case kAdvanced:
        return user.Advanced(element);
      case kColor:
        return user.Color(element);
      default:
        return user.Main(element);
    }
  }
  size_t ThreadsStarted() const { return program.os.threads.Started().size(); }
  std::vector<int> Destroyed() const { return program.os.childControls.DestroyedIds(); }
  std::vector<int> Created() const { return program.os.childControls.CreatedIds(); }

  SimDesktop desktop;
  MouseProgram program{desktop};
  SimWindowHost& window = StartProgram();
  ProfileModel& profile = program.context.profile;
  DriverFlags& flags = program.context.driver.flags;
  test::MainWindowUser user{window, program.context.ui.skin};
  ProfileFields start;
};

// A press edits the profile in memory; nothing reaches the mouse or the file.
TEST_F(ClickDispatchTest, PressesEditTheProfileInMemoryOnly) {
  struct Case {
    const char* what;
    Page page;
    int element;
    std::function<void(ProfileFields&)> change;  // null: nothing changes
    int offset = -1;                             // from the element's left edge; -1: its centre
  };
  const Case cases[] = {
      {"wheel mode 1", kMain, 42, [](ProfileFields& f) { f.WHEEL_STATUS = 1; }},
      {"box of a level not in use", kMain, 47, [](ProfileFields& f) { f.DPI_SET_EN[1] = 0; }},
      {"box of the level in use", kMain, 46, [](ProfileFields& f) { f.DPI_SET_EN[0] = 0, f.DPI_LEVEL = 1; }},
      {"level 3", kMain, 56, [](ProfileFields& f) { f.DPI_LEVEL = 2; }},
      {"step 3 of level 3", kMain, 73, [](ProfileFields& f) { f.DPI_SET[2] = 3; }},
      {"first step of level 1", kMain, 60, [](ProfileFields& f) { f.DPI_SET[0] = 0; }},
      {"last step of level 4", kMain, 79, [](ProfileFields& f) { f.DPI_SET[3] = 4; }},
      {"heading", kMain, 20, nullptr},
      {"element without action", kMain, 58, nullptr},
      {"profile (acts on release)", kMain, 6, nullptr},
      {"macro mode", kAdvanced, 7, [](ProfileFields& f) { f.MACRO_MODE2 = 1; }},
      {"slowest pointer", kAdvanced, 8, [](ProfileFields& f) { f.DPI_SPEED = 0; }},
      {"fastest pointer", kAdvanced, 17, [](ProfileFields& f) { f.DPI_SPEED = 9; }},
      {"one line", kAdvanced, 18, [](ProfileFields& f) { f.WHEEL_SPEED = 0; }},
      {"ten lines", kAdvanced, 27, [](ProfileFields& f) { f.WHEEL_SPEED = 9; }},
      {"fire time +1", kAdvanced, 31, [](ProfileFields& f) { f.FIRE_TIME = 51; }},
      {"fire time -1", kAdvanced, 32, [](ProfileFields& f) { f.FIRE_TIME = 49; }},
      {"fire bar, left edge", kAdvanced, 30, [](ProfileFields& f) { f.FIRE_TIME = 0; }, 0},
      {"fire bar, last column", kAdvanced, 30, [](ProfileFields& f) { f.FIRE_TIME = 300 * 167 / 168; }, 167},
      {"fire-time value", kAdvanced, 33, nullptr},
      {"steady LED", kColor, 2, [](ProfileFields& f) { f.LED_STATUS = 2; }},
      {"LED off", kColor, 3, [](ProfileFields& f) { f.LED_STATUS = 3; }},
      {"resolution panel", kColor, 4, nullptr},
  };
  ASSERT_EQ(program.context.ui.skin.AdvancedItems[30].width, 168);  // the fire bar the rows expect
  const std::string settings = test::ReadFile(program.dir / "config.ini");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    profile.Load(start);
    ShowPage(c.page);
    fw::Point p = Element(c.page, c.element);
    if (c.offset >= 0) p.x = program.context.ui.skin.AdvancedItems[c.element].x + c.offset;
    user.Press(p);
    ProfileFields expected = start;
    if (c.change) c.change(expected);
    EXPECT_EQ(profile.Fields(), expected);
  }
  EXPECT_TRUE(program.mouse->Reports().empty());
  EXPECT_EQ(test::ReadFile(program.dir / "config.ini"), settings);
}

TEST_F(ClickDispatchTest, ChosenStepIsShownButNotInForceUntilApplied) {
  user.Press(user.Main(73));
  const ProfileState state = profile.Snapshot();
  EXPECT_EQ(state.DpiStepRegion[2], 73);
  EXPECT_EQ(state.ActiveDpiSet[2], start.DPI_SET[2]);
}

TEST_F(ClickDispatchTest, PressShowsTheElementHeldUntilRelease) {
  const int before = window.Invalidations();
  user.Press(user.Main(42));
  EXPECT_TRUE(program.context.ui.hover.ButtonHeld);
  EXPECT_GT(window.Invalidations(), before);
  user.Release(user.Main(42));
  EXPECT_FALSE(program.context.ui.hover.ButtonHeld);
}

TEST_F(ClickDispatchTest, AdvancedTabCreatesTheMacroControlsAndOtherTabsDestroyThem) {
  program.context.macros.AddMacro(u"Jump");
  ShowPage(kAdvanced);
  EXPECT_EQ(program.context.ui.CurrentPage.load(), kAdvanced);
  ASSERT_EQ(Created(), kControlOrder);
  for (std::size_t i = 0; i < kControlOrder.size(); ++i) {
    const SimControl* control = program.os.childControls.Edit(kControlOrder[i]);
    if (!control) control = program.os.childControls.ListBox(kControlOrder[i]);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Layout().rect, program.context.ui.skin.ControlRects[i]);
  }
  EXPECT_EQ(program.os.childControls.ListBox(MacroPage::kMacroListId)->Lines(), std::vector<std::u16string>{u"Jump"});

  ShowPage(kAdvanced);  // its own tab: the controls stay
  EXPECT_EQ(Created().size(), 4u);
  EXPECT_TRUE(Destroyed().empty());

  ShowPage(kColor);
  EXPECT_EQ(program.context.ui.CurrentPage.load(), kColor);
  EXPECT_EQ(Destroyed(), kControlOrder);
  ShowPage(kMain);
  EXPECT_EQ(Destroyed().size(), 4u);

  // Back again after the skin moved them (a language switch reloads it).
  for (auto& rect : program.context.ui.skin.ControlRects) rect.top += 10, rect.bottom += 10;
  user.Press(user.Main(kPageTabs[static_cast<int>(kAdvanced)]));
  ASSERT_EQ(Created().size(), 8u);
  EXPECT_EQ(program.os.childControls.ListBox(MacroPage::kEventListId)->Layout().rect,
            program.context.ui.skin.ControlRects[3]);
  // Repainted around the controls.
  EXPECT_EQ(window.InvalidRegion(), program.context.ui.shape.MainRegionRectangles);
}

TEST_F(ClickDispatchTest, PreviewThreadsStartOnlyWhenNoneIsRunning) {
  // Started so far: the reader, the executor and the start sequence's blink
  // thread, which the simulated threads keep without running (so the apply,
  // whose factory profile waits for its start click, found one running).
  ASSERT_EQ(ThreadsStarted(), 3u);
  auto runKept = [&](std::size_t index) { program.os.threads.Started()[index].body(); };

  ShowPage(kColor);
  ASSERT_EQ(ThreadsStarted(), 4u);
  EXPECT_EQ(program.os.threads.Started()[3].priority, ThreadPriority::Normal);
  EXPECT_TRUE(flags.LedPreviewRunning);
  ShowPage(kMain);   // the blink thread has not ended
  ShowPage(kColor);  // nor has the preview
  EXPECT_EQ(ThreadsStarted(), 4u);

  // They end by themselves once they see another page.
  ShowPage(kAdvanced);
  for (std::size_t kept : {2, 3}) runKept(kept);
  EXPECT_FALSE(flags.BlinkThreadRunning);
  EXPECT_FALSE(flags.LedPreviewRunning);
  ShowPage(kMain);
  EXPECT_EQ(ThreadsStarted(), 5u);
  EXPECT_TRUE(flags.BlinkThreadRunning);
  ShowPage(kColor);
  EXPECT_EQ(ThreadsStarted(), 6u);

  // The shown page's own tab changes nothing, even with its thread ended.
  flags.LedPreviewRunning = false;
  ShowPage(kColor);
  EXPECT_EQ(ThreadsStarted(), 6u);
  ShowPage(kMain);
  flags.BlinkThreadRunning = false;
  ShowPage(kMain);
  EXPECT_EQ(ThreadsStarted(), 6u);
  EXPECT_EQ(program.context.ui.CurrentPage.load(), kMain);
}

// A press where the page has nothing drags the window; on the other pages the
// shared elements count too.
TEST_F(ClickDispatchTest, BackgroundPressDragsTheWindow) {
  using Hovers = std::function<bool(int32_t main, int32_t advanced, int32_t color)>;
  const auto none = [](int32_t m, int32_t a, int32_t c) { return m == 255 && a == 255 && c == 255; };
  struct Case {
    const char* what;
    Page page;
    Hovers where;
    bool drags;
  };
  const Case cases[] = {
      {"main page, nothing", kMain, none, true},
      {"main page, color element beneath", kMain, [](int32_t m, int32_t, int32_t c) { return m == 255 && c != 255; },
       true},
      {"main page, element", kMain, [](int32_t m, int32_t, int32_t) { return m == 20; }, false},
      {"advanced page, nothing", kAdvanced, none, true},
      {"advanced page, shared element", kAdvanced,
       [](int32_t m, int32_t a, int32_t) { return m == 14 && a == 255; }, false},
      {"advanced page, text element", kAdvanced, [](int32_t m, int32_t a, int32_t) { return m == 255 && a == 28; },
       false},
      {"color page, nothing", kColor, none, true},
      {"color page, panel", kColor, [](int32_t m, int32_t, int32_t c) { return m == 255 && c == 4; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShowPage(c.page);
    window.PumpPosted();
    const fw::Point p = user.Find(c.page == kMain, c.where);
    user.Press(p);
    const auto queued = window.Queued();
    if (c.drags) {
      ASSERT_EQ(queued.size(), 1u);
      EXPECT_EQ(queued[0].id, fw::msg::kNcLButtonDown);
      EXPECT_EQ(queued[0].wParam, fw::kHtCaption);
      EXPECT_EQ(queued[0].lParam, fw::PackPoint(p.x, p.y));
    } else {
      EXPECT_TRUE(queued.empty());
    }
    user.Release(p);
  }
}

// A press whose release never reaches the main window still ends: the drag's
// move loop takes the release, and so do the warning and the list opened.
TEST_F(ClickDispatchTest, PressedLookEndsWhereThePressEnds) {
  JpegImageLoader jpeg;
  const auto over = LoadPicture(jpeg, program.dir / "skins" / "main_over.jpg");
  const auto down = LoadPicture(jpeg, program.dir / "skins" / "main_down.jpg");
  ASSERT_TRUE(over && down);
  const fw::Point exportElement = user.Main(15);
  ASSERT_NE(over->Pixel(exportElement.x, exportElement.y), down->Pixel(exportElement.x, exportElement.y));

  const struct {
    const char* what;
    std::function<void()> press;
  } cases[] = {
      {"a drag where a color element lies beneath",
       [&] { user.Press(user.Find(true, [](int32_t m, int32_t, int32_t c) { return m == 255 && c != 255; })); }},
      {"the warning before the last left click goes",
       [&] {
         program.os.windows.onModal[WarningDlg::kTemplateId] = [](SimWindowHost& warning) {
           warning.Send(fw::msg::kCommand, fw::kIdCancel, 0);
         };
         user.Press(user.Main(25));
         ASSERT_EQ(program.os.windows.modalTemplates.size(), 1u);
       }},
      {"the list opened, released on one of its rows",
       [&] {
         user.Press(user.Main(28));
         CMenuDlg* list = program.context.ui.assignList.MenuWindow.get();
         ASSERT_TRUE(list && list->HasWindow());
         program.os.windows.HostOf(&list->Host())->Click(10, list->RowHeight() / 2);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.press();
    window.PumpPosted();
    EXPECT_FALSE(program.context.ui.hover.ButtonHeld);
    user.window.MoveTo(exportElement.x, exportElement.y);
    const SimCanvas* page = window.Paint();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Surface().Pixel(exportElement.x, exportElement.y), over->Pixel(exportElement.x, exportElement.y));
    user.window.MoveTo(0, 0);
  }
}

TEST_F(ClickDispatchTest, ButtonElementOpensItsListBelowItAndAnotherElementReplacesIt) {
  window.Move({100, 50, 1000, 590});
  AssignListState& lists = program.context.ui.assignList;
  user.Press(user.Main(28));
  ASSERT_TRUE(lists.MenuWindow && lists.MenuWindow->HasWindow());
  const SkinItem& element = program.context.ui.skin.MainItems[28];
  const fw::Rect at = lists.MenuWindow->Host().ScreenRect();
  EXPECT_EQ((fw::Point{at.left, at.top}), (fw::Point{100 + element.x, 50 + element.y + element.height}));
  SimWindowHost* first = program.os.windows.HostOf(&lists.MenuWindow->Host());
  user.Release(user.Main(28));

  user.Press(user.Main(26));
  EXPECT_TRUE(first->Destroyed());
  ASSERT_TRUE(lists.MenuWindow->HasWindow());
  EXPECT_EQ(lists.AssignTarget, 26);
  EXPECT_TRUE(program.os.windows.modalTemplates.empty()) << "button 1 keeps the left click";
}

TEST_F(ClickDispatchTest, MacroElementsRunTheMacroPage) {
  ShowPage(kAdvanced);
  MacroPage& page = program.dialog.Macros();
  program.os.childControls.Edit(MacroPage::kMacroNameEditId)->SetText(u"Reload");
  user.Click(user.Advanced(2));  // new
  EXPECT_EQ(program.context.macros.Names(), std::vector<std::u16string>{u"Reload"});
  user.Click(user.Advanced(4));  // record
  EXPECT_TRUE(page.Recording());
  user.Click(user.Advanced(4));  // stop
  EXPECT_FALSE(page.Recording());
  user.Click(user.Advanced(5));  // save
  EXPECT_NE(test::ReadFile(MacroFilePath(program.context.paths.programDirectory, 1)).find("macroNum=1"), std::string::npos);
  user.Click(user.Advanced(1));  // export, cancelled
  user.Click(user.Advanced(0));  // import, cancelled
  const auto dialogs = program.os.dialogs.FileDialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_TRUE(dialogs[0].save);
  EXPECT_FALSE(dialogs[1].save);
  user.Click(user.Advanced(3));  // delete
  EXPECT_EQ(program.context.macros.MacroCount(), 0);
}

}  // namespace
}  // namespace tx80
