#include <gtest/gtest.h>

#include "functions/BlinkThread.h"
#include "support/MouseProgram.h"
#include "support/Reports.h"

namespace tx80 {
namespace {

using test::HexPrefixes;
using test::MouseProgram;
using test::SimProgram;
using test::WriteFile;

TEST(StartWithoutMouse, ShowsThePlugInMessageAndEndsWithoutApplying) {
  const struct {
    const char* config;
    std::u16string message;
  } cases[] = {{"", u"请插入【TX80_KARVO】USB鼠标"}, {"[Init]\nVER_SEL=1\n", u"Please plug-in【TX80_KARVO】USB Mouse"}};
  for (const auto& c : cases) {
    SimDesktop desktop;
    SimProgram program(desktop);
    if (*c.config) WriteFile(program.dir / "config.ini", c.config);
    const auto before = test::ReadFile(program.dir / "config.ini");
    desktop.systemMouse.speed = 3;
    SimWindowHost& window = program.Start();
    const auto messages = program.os.dialogs.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(messages[0].caption, u"");
    EXPECT_TRUE(messages[0].owned);
    EXPECT_TRUE(window.Destroyed());
    EXPECT_EQ(desktop.systemMouse.speed, 10);  // the closing sequence, and no apply after it
    EXPECT_EQ(test::ReadFile(program.dir / "config.ini"), before);
    EXPECT_EQ(program.os.hid.IndicesTried(), 100);
  }
}

TEST(StartWithMouse, StartsTheThreadsAndAppliesTheProfile) {
  SimDesktop desktop;
  MouseProgram program(desktop);
  WriteFile(program.dir / "config.ini", test::kFactoryProfile);
  SimWindowHost& window = program.Start();
  EXPECT_FALSE(window.Destroyed());
  EXPECT_TRUE(program.os.dialogs.Messages().empty());
  const auto threads = program.os.threads.Started();
  ASSERT_GE(threads.size(), 2u);
  EXPECT_EQ(threads[0].priority, ThreadPriority::Highest);
  EXPECT_EQ(threads.back().priority, ThreadPriority::Normal);  // the blink thread of the waiting driver
  EXPECT_EQ(program.mouse->Reports().size(), 10u);
  EXPECT_EQ(desktop.systemMouse.speed, 8);
  EXPECT_TRUE(std::filesystem::exists(program.dir / "config.ini"));
}

TEST(StartWithMouse, WithoutSettingsTheFirstApplyCreatesThem) {
  SimDesktop desktop;
  MouseProgram program(desktop);
  program.Start();
  const std::string text = test::ReadFile(program.dir / "config.ini");
  EXPECT_EQ(text.rfind("[Init]\r\nCurConfig=0\r\n[Config6]\r\nK1=0\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("[Config0]\r\nK1=0\r\n"), std::string::npos) << text;
}

class ConnectedProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(program.dir / "config.ini", test::kFactoryProfile);
    program.Start();
    program.mouse->ClearReports();
  }
  void Notify(uintptr_t event, std::u16string path) {
    fw::DeviceBroadcast broadcast{fw::DeviceBroadcast::kDeviceInterface, std::move(path)};
    program.dialog.OnDeviceChange(event, &broadcast);
  }
  SimWindowHost& Window() { return *desktop.Windows().at(0); }

  SimDesktop desktop;
  MouseProgram program{desktop};
  std::u16string path = program.mouse->Interfaces().back().path;
};

TEST_F(ConnectedProgram, RemovalEndsWithoutTheClosingSequence) {
  desktop.systemMouse.speed = 8;
  SimWindowHost& window = Window();
  Notify(fw::kDeviceRemoveComplete, u"\\\\?\\other#device");
  Notify(fw::kDeviceArrival, path);  // arrival while connected: nothing
  EXPECT_FALSE(window.Destroyed());
  EXPECT_TRUE(program.mouse->Reports().empty());
  Notify(fw::kDeviceRemoveComplete, path);
  EXPECT_TRUE(window.Destroyed());
  EXPECT_FALSE(program.context.driver.device.Connected());
  EXPECT_EQ(program.os.tray.Removals(), 1);
  EXPECT_TRUE(program.mouse->Reports().empty());  // no close command
  EXPECT_EQ(desktop.systemMouse.speed, 8);        // no pointer speed reset
  EXPECT_TRUE(program.os.input.Events().empty());
}

TEST_F(ConnectedProgram, ClosingSendsTheCloseCommand) {
  Window().Deliver(fw::Message{fw::msg::kClose, 0, 0, true});
  EXPECT_EQ(HexPrefixes(program.mouse->Reports()), std::vector<std::string>{"07 20 00 00"});
}

TEST_F(ConnectedProgram, PowerEventsApplyAgain) {
  Window().Deliver(fw::Message{fw::msg::kPowerBroadcast, 7, 0, true});
  EXPECT_EQ(program.mouse->Reports().size(), 10u);
}

TEST(BlinkThread, BlinksWhileWaitingOnTheMainPageAndEndsLeavingTheNumberShown) {
  SimDesktop desktop;
  SimProgram program(desktop);
  DriverFlags& flags = program.context.driver.flags;
  flags.DriverActive = false;
  flags.BlinkThreadRunning = true;
  int toggles = 0;
  bool last = flags.StartKeyBlink;
  program.os.clock.OnAdvance([&](auto) {
    if (flags.StartKeyBlink != last) ++toggles;
    last = flags.StartKeyBlink;
    if (program.os.clock.ElapsedMs() >= 4000) flags.DriverActive = true;  // the start click
  });
  const auto mainPageShown = [&] { return program.context.ui.CurrentPage == Page::Main; };
  RunBlinkThread(program.context.driver, program.os.clock, mainPageShown);
  EXPECT_EQ(toggles, 12);  // the driver state is looked at every three seconds
  EXPECT_EQ(program.os.clock.ElapsedMs(), 6000);
  EXPECT_TRUE(flags.StartKeyBlink);
  EXPECT_FALSE(flags.BlinkThreadRunning);

  flags.DriverActive = false;
  program.context.ui.CurrentPage = Page::Advanced;  // another page: ends at once
  flags.BlinkThreadRunning = true;
  RunBlinkThread(program.context.driver, program.os.clock, mainPageShown);
  EXPECT_EQ(program.os.clock.ElapsedMs(), 6000);
  EXPECT_FALSE(flags.BlinkThreadRunning);
}

}  // namespace
}  // namespace tx80
