#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "app/MouseConnection.h"
#include "functions/BlinkThread.h"
#include "functions/FunctionCatalog.h"
#include "macro/Macro.h"
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
    EXPECT_EQ(program.os.hid.IndicesTried(), 1);  // the list ended at once
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
  bool StatusLineShows(const std::u16string& text) {
    Window().Invalidate(true);
    const SimCanvas* canvas = Window().Paint();
    return canvas && std::any_of(canvas->Texts().begin(), canvas->Texts().end(),
                                 [&](const SimCanvas::DrawnText& drawn) { return drawn.text == text; });
  }

  SimDesktop desktop;
  MouseProgram program{desktop};
  std::u16string path = program.mouse->Interfaces().back().path;
};

TEST_F(ConnectedProgram, UnpluggedTheProgramWaitsInTheTrayAndTellsSo) {
  desktop.systemMouse.speed = 8;
  program.dialog.HideToTray();
  program.mouse->Unplug();  // the bus tells the window of both interfaces going
  EXPECT_FALSE(Window().Destroyed());
  EXPECT_FALSE(program.context.driver.device.Connected());
  EXPECT_EQ(program.os.hid.OpenAccessCounts(), (std::vector<int>{0, 0, 0}));  // every handle closed
  EXPECT_TRUE(program.os.tray.IconShown());
  EXPECT_EQ(program.os.tray.Tip(), u"TX80_KARVO 宏编程电竞鼠标 - 等待鼠标连接");
  Window().Show(ShowMode::Restore);
  EXPECT_TRUE(StatusLineShows(u"请插入【TX80_KARVO】USB鼠标"));
  EXPECT_TRUE(program.mouse->Reports().empty());  // no close command
  EXPECT_EQ(desktop.systemMouse.speed, 8);        // no pointer speed reset
  EXPECT_TRUE(program.os.input.Events().empty());
}

TEST_F(ConnectedProgram, OtherDevicesComingAndGoingChangeNothing) {
  Notify(fw::kDeviceRemoveComplete, u"\\\\?\\hid#vid_046d&pid_c31c#keyboard");
  Notify(fw::kDeviceArrival, u"\\\\?\\hid#vid_046d&pid_c31c#keyboard");
  Notify(fw::kDeviceArrival, path);  // arrival while connected
  EXPECT_TRUE(program.context.driver.device.Connected());
  EXPECT_TRUE(program.mouse->Reports().empty());
  program.mouse->Unplug();
  Notify(fw::kDeviceArrival, u"\\\\?\\hid#vid_046d&pid_c31c#keyboard");
  EXPECT_FALSE(program.context.driver.device.Connected());
  EXPECT_EQ(program.os.hid.OpenAccessCounts(), (std::vector<int>{0, 0, 0}));
}

TEST_F(ConnectedProgram, ReplugAppliesOnceAndWaitsForTheStartClick) {
  program.mouse->Unplug();
  ButtonReportReader reader = program.context.Reader();
  const int64_t before = program.os.clock.ElapsedMs();
  program.mouse->Plug();  // an arrival per interface; the second finds it connected
  EXPECT_GE(program.os.clock.ElapsedMs() - before, MouseConnection::kSettleAfterArrivalMs);
  EXPECT_TRUE(program.context.driver.device.Connected());
  EXPECT_EQ(program.mouse->Reports().size(), 10u);
  EXPECT_EQ(program.mouse->GetState().buttonCode[5], 31);
  EXPECT_FALSE(program.context.driver.flags.DriverActive);
  EXPECT_TRUE(StatusLineShows(u"配置完成，请点击鼠标第[6]键运行驱动"));
  EXPECT_EQ(program.os.hid.OpenAccessCounts(), (std::vector<int>{2, 1, 1}));
  EXPECT_EQ(program.os.hid.Registrations(), 1);  // no second copy of every notice
  // The new handle reads: the start click, then a press.
  program.mouse->Release(6);
  reader.Step();
  EXPECT_TRUE(program.context.driver.flags.DriverActive);
  program.mouse->Press(6);
  reader.Step();
  EXPECT_TRUE(program.context.driver.flags.ButtonPending);
}

TEST_F(ConnectedProgram, ReplugAtAnotherPortIsFoundByItsIds) {
  program.mouse->Unplug();
  auto moved = std::make_shared<EmulatedMouse>();
  program.os.hid.Plug(moved);  // the bus lists it; the system tells of its arrival
  Notify(fw::kDeviceArrival, moved->Interfaces()[0].path);
  EXPECT_TRUE(program.context.driver.device.Connected());
  EXPECT_EQ(moved->Reports().size(), 10u);
}

TEST_F(ConnectedProgram, RemovalDuringAHeldMacroLetsGoOfItsKeys) {
  Macro macro;
  macro.SetName(u"held");
  macro.SetEventCount(2);
  macro.SetEvent(0, 'A', kActionDown);
  macro.SetEvent(1, 'A', kActionUp);
  macro.SetDelay(0, 300);
  macro.SetDelay(1, 10);
  program.context.macros.Replace(std::span(&macro, 1));
  program.context.profile.SetButtonFunction(6, function_code::kFirstMacro);
  ProfileFields fields = program.context.profile.Fields();
  fields.MACRO_MODE2 = 1;  // repeated while held
  program.context.profile.Load(fields);
  ApplyProfile(program.context.applyTarget);
  FunctionExecutor executor = program.context.Executor();
  const int buttonOfSlot6 = DeviceButtonTable[5];
  DriverFlags& flags = program.context.driver.flags;
  std::thread reader([&] { program.context.Reader().Run(); });  // waits in its read
  program.mouse->Release(buttonOfSlot6);  // the start click
  program.mouse->Press(buttonOfSlot6);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!flags.ButtonPending && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  ASSERT_TRUE(flags.ButtonPending);
  program.os.input.Clear();
  // 100 ms into the first event's delay, with A down, the cable goes; the
  // reader's read fails.
  const Clock::TimePoint at = program.os.clock.Now() + std::chrono::milliseconds(100);
  bool pulled = false;
  program.os.clock.OnAdvance([&](Clock::TimePoint now) {
    if (pulled || now < at) return;
    pulled = true;
    program.mouse->Unplug();
    while (!flags.MacroStop && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  });
  executor.PerformPendingPress();  // returns: the macro stopped
  program.os.clock.OnAdvance(nullptr);
  program.context.driver.RequestStop();
  reader.join();
  ASSERT_TRUE(pulled);
  std::vector<std::pair<int, uint32_t>> keys;
  for (const auto& e : program.os.input.Events()) keys.emplace_back(e.virtualKey, e.flags);
  EXPECT_EQ(keys, (std::vector<std::pair<int, uint32_t>>{{'A', 0}, {'A', kKeyEventKeyUp}}));
  EXPECT_FALSE(program.context.driver.flags.ButtonPending);
  EXPECT_FALSE(Window().Destroyed());
}

TEST(ReaderWithoutMouse, SleepsUntilTheMouseIsFoundAgain) {
  SimDesktop desktop;
  MouseProgram program(desktop);
  WriteFile(program.dir / "config.ini", test::kFactoryProfile);
  program.Start();
  std::thread reader([&] { program.context.Reader().Run(); });
  program.mouse->Unplug();
  // Not a busy loop: a wait on the link, so the virtual clock barely moves.
  const int64_t unplugged = program.os.clock.ElapsedMs();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_LE(program.os.clock.ElapsedMs() - unplugged, 4);
  program.mouse->Plug();
  program.mouse->Release(6);  // the start click reaches the reader on the new handle
  for (int i = 0; i < 2000 && !program.context.driver.flags.DriverActive; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_TRUE(program.context.driver.flags.DriverActive);
  program.context.driver.RequestStop();
  program.mouse->Unplug();
  reader.join();
}

TEST(StartInTrayWithoutMouse, WaitsInTheTrayAndAppliesWhenItArrives) {
  SimDesktop desktop;
  auto mouse = std::make_shared<EmulatedMouse>();
  mouse->Unplug();
  SimProgram program(desktop);
  CNRV_VIruviDlg dialog(program.context, true);
  WriteFile(program.dir / "config.ini", test::kFactoryProfile);
  program.os.hid.Plug(mouse);
  SimWindowHost& window = program.os.windows.Open(dialog);
  EXPECT_TRUE(program.os.dialogs.Messages().empty());
  EXPECT_FALSE(window.Destroyed());
  EXPECT_EQ(program.os.tray.Tip(), u"TX80_KARVO 宏编程电竞鼠标 - 等待鼠标连接");
  EXPECT_TRUE(mouse->Reports().empty());
  mouse->Plug();
  EXPECT_EQ(mouse->Reports().size(), 10u);
  EXPECT_EQ(program.os.tray.Tip(), u"TX80_KARVO 宏编程电竞鼠标");
}

TEST_F(ConnectedProgram, ClosingSendsTheCloseCommand) {
  Window().Deliver(fw::Message{fw::msg::kClose, 0, 0, true});
  EXPECT_EQ(HexPrefixes(program.mouse->Reports()), std::vector<std::string>{"07 20 00 00"});
}

TEST_F(ConnectedProgram, OnlyAResumeAppliesAgain) {
  const struct {
    std::vector<uintptr_t> events;
    std::size_t reports;
  } cases[] = {
      {{fw::power::kStatusChange}, 0},
      {{fw::power::kSuspend}, 0},
      {{fw::power::kSettingChange}, 0},
      {{fw::power::kSuspend, fw::power::kResumeAutomatic}, 10},
      {{fw::power::kSuspend, fw::power::kResumeAutomatic, fw::power::kResumeSuspend}, 10},
      {{fw::power::kSuspend, fw::power::kResumeSuspend}, 10},  // alone
      {{fw::power::kSuspend, fw::power::kResumeAutomatic, fw::power::kSuspend, fw::power::kResumeAutomatic}, 20},
  };
  for (const auto& c : cases) {
    program.mouse->ClearReports();
    for (uintptr_t event : c.events) Window().Deliver(fw::Message{fw::msg::kPowerBroadcast, event, 0, true});
    EXPECT_EQ(program.mouse->Reports().size(), c.reports) << c.events.size() << " events, last " << c.events.back();
  }
  program.mouse->ClearReports();
  program.mouse->Unplug();  // gone during the sleep: its arrival applies, not the resume
  Window().Deliver(fw::Message{fw::msg::kPowerBroadcast, fw::power::kSuspend, 0, true});
  Window().Deliver(fw::Message{fw::msg::kPowerBroadcast, fw::power::kResumeAutomatic, 0, true});
  EXPECT_TRUE(program.mouse->Reports().empty());
}

TEST_F(ConnectedProgram, EndingTheSessionGivesBackWhatTheDriverHolds) {
  desktop.systemMouse.speed = 8;
  Window().Deliver(fw::Message{fw::msg::kEndSession, 0, 0, true});  // called off
  EXPECT_TRUE(program.mouse->Reports().empty());
  EXPECT_EQ(desktop.systemMouse.speed, 8);
  EXPECT_EQ(Window().Send(fw::msg::kQueryEndSession, 0, 0), 1);
  Window().Deliver(fw::Message{fw::msg::kEndSession, 1, 0, true});
  EXPECT_EQ(HexPrefixes(program.mouse->Reports()), std::vector<std::string>{"07 20 00 00"});
  EXPECT_EQ(desktop.systemMouse.speed, 10);
  const auto events = program.os.input.Events();
  EXPECT_EQ(events.size(), 7u);  // Alt let go
  EXPECT_FALSE(Window().Destroyed());
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
