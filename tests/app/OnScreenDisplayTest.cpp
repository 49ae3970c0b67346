#include <gtest/gtest.h>

#include <thread>

#include "device/ButtonReportReader.h"
#include "framework/PrivateProfile.h"
#include "functions/FunctionExecutor.h"
#include "support/MouseProgram.h"
#include "ui/OnScreenNotice.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;
using Kind = OnScreenNotice::Kind;

TEST(OnScreenNotice, TextsInBothLanguages) {
  const struct {
    OnScreenNotice notice;
    std::u16string english, chinese;
  } cases[] = {
      {{Kind::Dpi, 1600}, u"DPI 1600", u"DPI 1600"},
      {{Kind::Profile, 3}, u"Profile 3", u"配置 3"},
      {{Kind::LedOff, 0}, u"LED off", u"灯光 关"},
      {{Kind::LedOn, 0}, u"LED on", u"灯光 开"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OnScreenNoticeText(c.notice, 1), c.english);
    EXPECT_EQ(OnScreenNoticeText(c.notice, 0), c.chinese);
  }
}

TEST(OnScreenNotice, ElevatedTargetTexts) {
  EXPECT_EQ(ElevatedTargetText(u"game.exe", 1),
            u"game.exe runs as administrator: start TX80 as administrator to use macros there");
  EXPECT_EQ(ElevatedTargetText(u"game.exe", 0), u"game.exe 以管理员身份运行：请以管理员身份启动 TX80，才能在其中使用宏");
  EXPECT_EQ(ElevatedTargetText(u"", 1),
            u"The program in front runs as administrator: start TX80 as administrator to use macros there");
}

TEST(OnScreenNotice, SitsCentredNearTheBottomOfTheWorkArea) {
  const fw::Rect rect = OnScreenNoticeRect({100, 0, 1100, 1000}, {200, 40});
  EXPECT_EQ(rect.left + rect.right, 100 + 1100);  // centred
  EXPECT_GE(rect.Width(), 200);
  EXPECT_GE(rect.Height(), 40);
  EXPECT_GT(rect.bottom, 800);
  EXPECT_LT(rect.bottom, 1000);
}

TEST(OnScreenNotice, OnlyItsOwnMessageCarriesANotice) {
  EXPECT_EQ(DecodeOnScreenNotice({kOnScreenNoticeMessage, 1, 4, true}), (OnScreenNotice{Kind::Profile, 4}));
  EXPECT_FALSE(DecodeOnScreenNotice({kOnScreenNoticeMessage, 9, 4, true}));
  EXPECT_FALSE(DecodeOnScreenNotice({kOnScreenNoticeMessage + 1, 1, 4, true}));
}

// The mouse's buttons change the DPI level, the LED and the profile; each
// change reaches the display through the main window's queue.
class OnScreenDisplayTest : public ::testing::Test {
 protected:
  void Start(const char* config) {
    WriteFile(program.dir / "config.ini", config);
    window = &program.Start();
    flags.DriverActive = true;
  }
  // The mouse reports a press of slot 4 (its button 5); the executor acts.
  void PressSlot4() {
    flags.PressedCode = 0xF5;
    flags.ButtonPending = true;
    program.context.Executor().PerformPendingPress();
  }

  SimDesktop desktop;
  MouseProgram program{desktop};
  DriverFlags& flags = program.context.driver.flags;
  SimOnScreenDisplay& display = program.os.onScreenDisplay;
  SimWindowHost* window = nullptr;
};

constexpr const char* kDpiUpEnglish =
    "[Init]\nCurConfig=1\nVER_SEL=1\n[Config1]\nK4=17\nDPI_SET1=1\nDPI_SET2=2\nDPI_SET_EN1=1\nDPI_SET_EN2=1\n";

TEST_F(OnScreenDisplayTest, AChangeIsPostedThenShownOnTheWindowsThread) {
  Start(kDpiUpEnglish);
  PressSlot4();
  EXPECT_TRUE(display.Texts().empty());  // not drawn where the mouse was handled
  window->PumpPosted();
  ASSERT_EQ(display.Texts(), std::vector<std::u16string>{u"DPI 1600"});
  const OnScreenText& shown = display.ShownTexts()[0].text;
  EXPECT_EQ(shown.durationMs, 1000);
  EXPECT_EQ(shown.rect, OnScreenNoticeRect(SimOnScreenDisplay::kWorkArea, display.TextSize(u"DPI 1600", shown.font)));
}

TEST_F(OnScreenDisplayTest, ShowsOnTheMonitorOfTheWindowInFront) {
  Start(kDpiUpEnglish);
  const fw::Rect secondMonitor{1920, -200, 4480, 1240};
  display.foregroundWorkArea = secondMonitor;  // the game runs on the second monitor
  PressSlot4();
  window->PumpPosted();
  ASSERT_EQ(display.ShownTexts().size(), 1u);
  const fw::Rect shown = display.ShownTexts()[0].text.rect;
  EXPECT_GE(shown.left, secondMonitor.left);
  EXPECT_LE(shown.right, secondMonitor.right);
  EXPECT_GT(shown.top, secondMonitor.top);
  EXPECT_LE(shown.bottom, secondMonitor.bottom);
}

TEST_F(OnScreenDisplayTest, LedAndNextProfileInChinese) {
  Start("[Init]\nCurConfig=2\n[Config2]\nK4=19\nLED_STATUS=1\n[Config3]\nK4=40\n");
  PressSlot4();
  PressSlot4();
  window->PumpPosted();
  program.context.profile.SetButtonFunction(4, 40);
  PressSlot4();
  window->PumpPosted();
  EXPECT_EQ(display.Texts(), (std::vector<std::u16string>{u"灯光 关", u"灯光 开", u"配置 3"}));
}

TEST_F(OnScreenDisplayTest, TheTrayItemSwitchesItOffAndConfigKeepsThat) {
  Start(kDpiUpEnglish);
  EXPECT_EQ(program.dialog.Options().CheckMark(TrayOptions::kOnScreenDisplay), true);  // on by default
  window->Deliver({fw::msg::kCommand, TrayOptions::kOnScreenDisplay, 0, true});
  EXPECT_EQ(program.dialog.Options().CheckMark(TrayOptions::kOnScreenDisplay), false);
  EXPECT_EQ(ReadProfileString(program.os.files, program.dir / "config.ini", u"Options", u"ON_SCREEN_DISPLAY", 5), u"0");
  PressSlot4();
  window->PumpPosted();
  EXPECT_TRUE(display.Texts().empty());
  EXPECT_EQ(ReadProfileString(program.os.files, program.dir / "config.ini", u"Config1", u"ON_SCREEN_DISPLAY", 5), u"");

  SimDesktop machine;
  MouseProgram next(machine);
  WriteFile(next.dir / "config.ini", test::ReadFile(program.dir / "config.ini"));
  next.Start();
  EXPECT_FALSE(next.dialog.Options().OnScreenDisplay());
}

// Functions that inject keys tell, once per program, that an elevated
// program in front will not get them; the others say nothing, and the
// display option does not silence it.
TEST_F(OnScreenDisplayTest, ElevatedProgramInFrontIsNamedOnceBeforeKeysGoOut) {
  Start("[Init]\nCurConfig=1\nVER_SEL=1\n[Options]\nON_SCREEN_DISPLAY=0\n[Config1]\nK4=40\n");
  program.os.input.SetForegroundTarget(InputTarget{u"C:\\Games\\Launcher.exe", Elevation::Elevated});
  PressSlot4();  // the next profile injects nothing
  window->PumpPosted();
  EXPECT_TRUE(display.Texts().empty());
  for (int32_t code : {31, 26, 35}) {
    program.context.profile.SetButtonFunction(4, code);
    PressSlot4();
    window->PumpPosted();
  }
  ASSERT_EQ(display.Texts(), std::vector<std::u16string>{
                                 u"Launcher.exe runs as administrator: start TX80 as administrator to use macros there"});
  EXPECT_GE(display.ShownTexts()[0].text.durationMs, 3000);
  EXPECT_FALSE(program.os.input.Events().empty());  // sent all the same: Windows decides
}

TEST_F(OnScreenDisplayTest, TheExecutorThreadNeverShowsIt) {
  Start(kDpiUpEnglish);
  std::thread reader([&] { program.context.Reader().Run(); });
  std::thread executor([&] { program.context.Executor().Run(); });
  program.mouse->Press(5);
  while (display.Texts().empty()) {
    window->PumpPosted();  // this thread is the window's
    std::this_thread::yield();
  }
  program.context.driver.RequestStop();
  program.mouse->Unplug();
  reader.join();
  executor.join();
  EXPECT_EQ(display.ShownTexts()[0].thread, std::this_thread::get_id());
}

}  // namespace
}  // namespace tx80
