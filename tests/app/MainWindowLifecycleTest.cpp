#include <gtest/gtest.h>

#include "app/CNRV_VIruviApp.h"
#include "profile/Captions.h"
#include "framework/Message.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;

class MainWindowLifecycle : public ::testing::Test {
 protected:
  SimDesktop desktop;
  MouseProgram program{desktop};
};

TEST_F(MainWindowLifecycle, StartsInChineseWithoutSettings) {
  SimWindowHost& window = program.Start();
  EXPECT_EQ(window.Caption(), kCaptionChinese);
  EXPECT_EQ(program.context.profile.CurConfig(), 0);
  EXPECT_EQ(program.context.profile.Fields(), ProfileFields{});
  EXPECT_EQ(program.context.paths.configPath, program.dir / "config.ini");
  EXPECT_EQ(program.context.paths.skinsDirectory, program.dir / "skins");
  ASSERT_EQ(window.SystemMenu().size(), 1u);
  EXPECT_EQ(window.SystemMenu()[0].id, 16u);
  EXPECT_EQ(window.SystemMenu()[0].text, u"&About NRV_VIruvi...");
  EXPECT_TRUE(window.HasBigIcon());
}

TEST_F(MainWindowLifecycle, StartsInTheStoredLanguageWithTheCurrentProfile) {
  WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=2\nVER_SEL=1\n[Config2]\nK1=31\nFIRE_TIME=80\n");
  SimWindowHost& window = program.Start();
  EXPECT_EQ(window.Caption(), kCaptionEnglish);
  EXPECT_EQ(program.context.profile.CurConfig(), 2);
  EXPECT_EQ(program.context.profile.Fields().K[0], 31);
  EXPECT_EQ(program.context.profile.Fields().FIRE_TIME, 80);
}

TEST_F(MainWindowLifecycle, TakesTheSkinsLayoutAndOutline) {
  SimWindowHost& window = program.Start();
  EXPECT_EQ(program.context.ui.shape.MaskWidth, 900);
  EXPECT_EQ(window.Size(), std::make_pair(900, 540));
  EXPECT_FALSE(window.Shape().empty());
  EXPECT_GT(program.context.ui.skin.MainItems[3].width, 0);
  EXPECT_FALSE(program.context.ui.skin.FunctionNames[1].empty());
  // Moving onto the apply element and back off repaints twice.
  const SkinItem& apply = program.context.ui.skin.MainItems[3];
  const int before = window.Invalidations();
  window.Deliver(fw::Message{fw::msg::kMouseMove, 0, (apply.y + 1) << 16 | (apply.x + 1), true});
  EXPECT_EQ(program.context.ui.hover.MainHover, 3);
  window.Deliver(fw::Message{fw::msg::kMouseMove, 0, (apply.y + 2) << 16 | (apply.x + 2), true});
  window.Deliver(fw::Message{fw::msg::kMouseMove, 0, 0xFFFF0000 | 0xFFFF, true});  // (-1, -1): outside
  EXPECT_EQ(program.context.ui.hover.MainHover, 255);
  EXPECT_EQ(window.Invalidations() - before, 2);
}

TEST_F(MainWindowLifecycle, MissingSkinFileEndsTheProgramOnce) {
  std::filesystem::remove(program.dir / "skins");
  std::filesystem::create_directories(program.dir / "skins");
  SimWindowHost& window = program.Start();
  EXPECT_TRUE(window.Destroyed());
  const auto messages = program.os.dialogs.Messages();
  ASSERT_EQ(messages.size(), 4u);  // one for each missing layout file
  for (const auto& m : messages) EXPECT_EQ(m.text, u"找不到配置文件");
  EXPECT_EQ(program.os.input.Events().size(), 7u);  // one closing sequence
  EXPECT_TRUE(program.mouse->Reports().empty());  // the mouse was never opened, nothing applied
  EXPECT_FALSE(std::filesystem::exists(program.dir / "config.ini"));
  // A background thread's late repaint request reaches no window.
  const int invalidations = window.Invalidations();
  program.context.Repaint();
  EXPECT_EQ(window.Invalidations(), invalidations);
}

TEST_F(MainWindowLifecycle, KeyboardNeverEndsTheDialog) {
  SimWindowHost& window = program.Start();
  const struct {
    uint32_t id;
    uintptr_t key;
    bool swallowed;
  } cases[] = {
      {fw::msg::kKeyDown, fw::vk::kEscape, true}, {fw::msg::kKeyDown, fw::vk::kReturn, true},
      {fw::msg::kKeyUp, fw::vk::kEscape, false},  {fw::msg::kKeyDown, fw::vk::kF10, true},
      {fw::msg::kSysKeyUp, fw::vk::kF10, true},   {fw::msg::kKeyDown, 'A', false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(!window.Deliver(fw::Message{c.id, c.key, 0, true}), c.swallowed) << c.id << " " << c.key;
  EXPECT_FALSE(window.Destroyed());
}

TEST_F(MainWindowLifecycle, ClosingReleasesAltResetsPointerSpeedAndEnds) {
  SimWindowHost& window = program.Start();
  desktop.systemMouse.speed = 4;
  window.Deliver(fw::Message{fw::msg::kClose, 0, 0, true});
  const auto events = program.os.input.Events();
  ASSERT_EQ(events.size(), 7u);
  for (const auto& e : events) {
    EXPECT_EQ(e.virtualKey, fw::vk::kMenu);
    EXPECT_EQ(e.flags, kKeyEventKeyUp);
  }
  EXPECT_EQ(program.os.tray.Removals(), 1);
  EXPECT_EQ(desktop.systemMouse.speed, 10);
  EXPECT_TRUE(window.Destroyed());
}

TEST_F(MainWindowLifecycle, ClosingLeavesPointerSpeedWhenItCannotBeRead) {
  SimWindowHost& window = program.Start();
  desktop.systemMouse.readsFail = true;
  const int sets = desktop.systemMouse.speedSets;
  window.Deliver(fw::Message{fw::msg::kClose, 0, 0, true});
  EXPECT_EQ(desktop.systemMouse.speedSets, sets);
  EXPECT_TRUE(window.Destroyed());
}

TEST_F(MainWindowLifecycle, SystemCommands) {
  SimWindowHost& window = program.Start();
  window.Deliver(fw::Message{fw::msg::kSysCommand, 16 | 0x3, 0, true});
  EXPECT_EQ(program.os.windows.modalTemplates, std::vector<int>{100});
  window.Deliver(fw::Message{fw::msg::kSysCommand, fw::kScMinimize, 0, true});
  EXPECT_EQ(window.LastShow(), ShowMode::Minimize);
}

TEST(SingleInstance, SecondCopyRestoresTheFirstAndEnds) {
  SimDesktop desktop;
  MouseProgram first(desktop);
  MouseProgram second(desktop);
  WriteFile(first.dir / "config.ini", "[Init]\nVER_SEL=1\n");
  bool secondStarted = true;
  first.os.windows.whileModal = [&](SimWindowHost& window) {
    window.Show(ShowMode::Minimize);
    secondStarted = CNRV_VIruviApp(second.context).InitInstance();
    EXPECT_EQ(window.LastShow(), ShowMode::Restore);
    EXPECT_EQ(desktop.Windows().size(), 1u);
  };
  EXPECT_FALSE(CNRV_VIruviApp(first.context).InitInstance());
  EXPECT_FALSE(secondStarted);
  EXPECT_TRUE(first.os.windows.controlsInitialized);
  EXPECT_FALSE(second.os.windows.controlsInitialized);
  EXPECT_TRUE(second.os.windows.modalTemplates.empty());
}

}  // namespace
}  // namespace tx80

namespace tx80 {
namespace {

TEST(SingleInstance, ACopyRunAsAdministratorCountsAsRunning) {
  SimDesktop desktop;
  desktop.HoldMutexAsAdministrator(u"CNRV_VIruviApp");
  test::MouseProgram normal(desktop);
  EXPECT_FALSE(CNRV_VIruviApp(normal.context).InitInstance());
  EXPECT_TRUE(normal.os.windows.modalTemplates.empty());  // no second driver
  EXPECT_TRUE(normal.mouse->Reports().empty());
}

}  // namespace
}  // namespace tx80
