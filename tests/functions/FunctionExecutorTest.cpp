#include "functions/FunctionExecutor.h"

#include <gtest/gtest.h>

#include <tuple>

#include "device/ApplyProfile.h"
#include "device/ButtonReportReader.h"
#include "framework/Decimal.h"
#include "framework/PrivateProfile.h"
#include "functions/FunctionCatalog.h"
#include "support/MouseProgram.h"
#include "support/Reports.h"

namespace tx80 {
namespace {

using test::HexPrefixes;
using test::MouseProgram;
using test::WriteFile;

class FunctionExecutorTest : public ::testing::Test {
 protected:
  // A profile whose slot 4 (device button 5) holds `code`.
  static ProfileFields Profile(int32_t code, std::array<uint8_t, 4> enabled = {1, 1, 1, 1}, int32_t level = 0) {
    ProfileFields fields;
    fields.K = {1, 2, 3, code, 4, 11, 12};
    fields.DPI_SET = {1, 2, 3, 4};
    fields.DPI_SET_EN = enabled;
    fields.DPI_LEVEL = level;
    fields.LED_STATUS = 1;
    return fields;
  }
  // Applies `fields` with the driver active and forgets what the apply sent.
  void Apply(const ProfileFields& fields) {
    program.context.profile.Load(fields);
    ApplyProfile(program.context.applyTarget);
    flags.DriverActive = true;
    program.mouse->ClearReports();
    program.os.input.Clear();
  }
  void Assign(int32_t code, std::array<uint8_t, 4> enabled = {1, 1, 1, 1}, int32_t level = 0) {
    Apply(Profile(code, enabled, level));
  }
  void PressSlot4() {
    flags.PressedCode = 0xF5;
    flags.ButtonPending = true;
    executor.PerformPendingPress();
  }
  int32_t SavedLevel() {
    return ParseDecimal(ReadProfileString(program.os.files, program.dir / "config.ini", u"Config1", u"DPI_LEVEL", 5));
  }

  SimDesktop desktop;
  MouseProgram program{desktop};
  DriverFlags& flags = program.context.driver.flags;
  FunctionExecutor executor = program.context.Executor();

  void SetUp() override {
    WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=1\n");
    program.Start();
  }
};

TEST_F(FunctionExecutorTest, DpiFunctionsMoveBetweenEnabledLevels) {
  const struct {
    int32_t code;
    std::array<uint8_t, 4> enabled;
    int32_t start;
    std::vector<int32_t> levels;  // after each press
  } cases[] = {
      {18, {1, 1, 1, 1}, 0, {0, 0}},     // down at level 0 stays
      {6, {1, 1, 0, 1}, 3, {0, 1, 3}},   // cycle wraps and skips the disabled level
      {17, {1, 1, 0, 1}, 1, {3, 3}},     // up skips the disabled level, no wrap
      {6, {0, 0, 0, 0}, 2, {2}},         // no enabled level: stays, never loops
  };
  for (const auto& c : cases) {
    Assign(c.code, c.enabled, c.start);
    for (int32_t expected : c.levels) {
      program.mouse->ClearReports();
      PressSlot4();
      EXPECT_EQ(program.context.profile.Fields().DPI_LEVEL, expected) << c.code;
      EXPECT_EQ(SavedLevel(), expected) << c.code;
      ASSERT_EQ(program.mouse->Reports().size(), 1u);  // sent even when the level did not change
      EXPECT_EQ(program.mouse->GetState().dpiLevel, expected);
    }
    EXPECT_FALSE(flags.ButtonPending);
  }
}

TEST_F(FunctionExecutorTest, LedToggleAndADpiChangeWhileOff) {
  Assign(19);
  PressSlot4();
  EXPECT_EQ(program.mouse->GetState().led, 3);
  flags.DpiRole[3] = 1;  // as if the last apply had given slot 4 DPI up
  PressSlot4();
  EXPECT_EQ(program.mouse->GetState().led, 3);
  flags.DpiRole[3] = 0;
  PressSlot4();
  EXPECT_EQ(program.mouse->GetState().led, 1);
  EXPECT_EQ(HexPrefixes(program.mouse->Reports()), (std::vector<std::string>{"07 09 00 93", "07 09 01 A3", "07 09 01 A1"}));
}

// The keys of each software shortcut as programs that read scan codes see
// them: modifiers with their own scan codes, every key released again.
TEST_F(FunctionExecutorTest, ShortcutKeysCarryScanCodes) {
  using Keys = std::vector<std::tuple<int, int, uint32_t>>;  // virtual key, scan code, flags
  constexpr uint32_t kUp = kKeyEventKeyUp;
  constexpr uint32_t kExt = kKeyEventExtendedKey;
  const struct {
    int32_t code;
    SimKeyboardLayout layout;
    Keys keys;
  } cases[] = {
      {31, SimKeyboardLayout::Us, {{0x11, 0x1D, 0}, {'C', 0x2E, 0}, {'C', 0x2E, kUp}, {0x11, 0x1D, kUp}}},
      {32, SimKeyboardLayout::Us, {{0x11, 0x1D, 0}, {'V', 0x2F, 0}, {'V', 0x2F, kUp}, {0x11, 0x1D, kUp}}},
      // Undo on a German keyboard: Z lies where a US keyboard has Y.
      {34, SimKeyboardLayout::German, {{0x11, 0x1D, 0}, {'Z', 0x15, 0}, {'Z', 0x15, kUp}, {0x11, 0x1D, kUp}}},
      {35, SimKeyboardLayout::Us, {{0x12, 0x38, 0}, {0x73, 0x3E, 0}, {0x73, 0x3E, kUp}, {0x12, 0x38, kUp}}},
      {26, SimKeyboardLayout::Us, {{0xAD, 0x20, kExt}, {0xAD, 0x20, kExt | kUp}}},  // mute: down and up
  };
  for (const auto& c : cases) {
    Assign(c.code);
    program.os.input.SetLayout(c.layout);
    PressSlot4();
    Keys keys;
    for (const auto& e : program.os.input.Events()) keys.emplace_back(e.virtualKey, e.scanCode, e.flags);
    EXPECT_EQ(keys, c.keys) << c.code;
  }
}

TEST_F(FunctionExecutorTest, ShortcutsAndLaunches) {
  Assign(32);
  PressSlot4();
  const auto events = program.os.input.Events();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[2].timeMs - events[1].timeMs, 20);  // V held for 20 ms

  for (int32_t code : {36, 37, 38, 39, 28, 41}) {
    Assign(code);
    PressSlot4();
  }
  EXPECT_EQ(program.os.shell.Calls(), (std::vector<std::u16string>{u"open ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
                                                                    u"lock", u"run calc.exe", u"run cmd.exe"}));
  EXPECT_TRUE(program.os.input.Events().empty());  // 28 and a missing macro do nothing
}

TEST_F(FunctionExecutorTest, NextProfileWrapsFromFiveToOneAndSendsIt) {
  WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=5\n[Config5]\nK4=40\n[Config1]\nK1=1\nK4=40\nFIRE_TIME=300\n");
  program.context.profile.SetCurConfig(5);
  Assign(40);
  PressSlot4();
  EXPECT_EQ(program.context.profile.CurConfig(), 1);
  EXPECT_EQ(program.context.profile.Fields().FIRE_TIME, 300);
  EXPECT_EQ(program.mouse->GetState().fire, 37);
  EXPECT_EQ(ReadProfileString(program.os.files, program.dir / "config.ini", u"Init", u"CurConfig", 5), u"1");
}

TEST_F(FunctionExecutorTest, PlaysTheAssignedMacro) {
  Macro macro;
  macro.SetName(u"ab");
  macro.SetEventCount(2);
  macro.SetEvent(0, 'A', kActionDown);
  macro.SetEvent(1, 'A', kActionUp);
  program.context.macros.Replace(std::span(&macro, 1));
  Assign(41);
  PressSlot4();
  EXPECT_EQ(program.os.input.Events().size(), 2u);
}

// The reader and the executor on one thread: reports go to the reader, and the
// report that ends a press (its release, or another press) arrives at a chosen
// moment of the virtual clock while the executor performs it.
class MacroStopTest : public FunctionExecutorTest {
 protected:
  static constexpr uint8_t kMacroButton = 0xF5;  // device button 5: slot 4
  static constexpr uint8_t kOtherButton = 0xF6;  // device button 6: slot 6
  static constexpr uint8_t kRelease = 0;

  // Slot 4 plays a macro that types A, 10 ms per event, `plays` times (unless
  // held); slot 6 holds `other`.
  void Assign(int32_t other, int32_t macroMode2, uint16_t plays = 1) {
    Macro macro;
    macro.SetName(u"a");
    macro.SetRepeatMode(1);
    macro.SetRepeatCount(plays);
    macro.SetEventCount(2);
    macro.SetEvent(0, 'A', kActionDown);
    macro.SetEvent(1, 'A', kActionUp);
    macro.SetDelay(0, 10);
    macro.SetDelay(1, 10);
    program.context.macros.Replace(std::span(&macro, 1));
    ProfileFields fields = Profile(function_code::kFirstMacro);
    fields.K[5] = other;
    fields.MACRO_MODE2 = macroMode2;
    Apply(fields);
  }
  void Report(uint8_t state) { reader.HandleReport(std::array<uint8_t, 2>{kButtonReportId, state}); }
  // Reports `press`, and `then` once `afterMs` have passed, while the executor
  // performs the press (or once it is done, for a press that ends sooner).
  void Perform(uint8_t press, int64_t afterMs, uint8_t then) {
    const Clock::TimePoint at = program.os.clock.Now() + std::chrono::milliseconds(afterMs);
    bool reported = false;
    program.os.clock.OnAdvance([&](Clock::TimePoint now) {
      if (reported || now < at) return;
      reported = true;
      Report(then);
    });
    Report(press);
    executor.PerformPendingPress();
    program.os.clock.Advance(at - program.os.clock.Now());
    program.os.clock.OnAdvance(nullptr);
  }
  // Forgets the input so far; TypedA counts time from now.
  void Begin() {
    program.os.input.Clear();
    start = program.os.clock.ElapsedMs();
  }
  // The times of the A events injected since Begin, alternately down and up.
  std::vector<int64_t> TypedA() {
    std::vector<int64_t> times;
    for (const InjectedInput& event : program.os.input.Events()) {
      EXPECT_EQ(event.virtualKey, 'A');
      EXPECT_EQ(event.flags, times.size() % 2 == 0 ? 0u : kKeyEventKeyUp);
      times.push_back(event.timeMs - start);
    }
    return times;
  }

  ButtonReportReader reader = program.context.Reader();
  int64_t start = 0;
};

TEST_F(MacroStopTest, HeldMacroAfterAnotherButtonPlaysUntilItsRelease) {
  // In hold mode every release stops; the release of a button that plays
  // nothing must not cut the next macro to its first event.
  for (int32_t other : {17, 31, 19}) {  // DPI up, Ctrl+C, LED on/off
    for (bool releasedFirst : {false, true}) {
      SCOPED_TRACE(testing::Message() << other << (releasedFirst ? " released before its pass" : ""));
      Assign(other, 1);
      if (releasedFirst) {
        Report(kOtherButton);
        Report(kRelease);
        executor.PerformPendingPress();
      } else {
        Perform(kOtherButton, 30, kRelease);  // after its pass, as a hand lets go
      }
      Begin();
      Perform(kMacroButton, 95, kRelease);
      // 0, 10, ... 90; the release is seen at 100, after that event's delay.
      EXPECT_EQ(TypedA(), (std::vector<int64_t>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
      EXPECT_EQ(program.os.clock.ElapsedMs() - start, 100);
    }
  }
}

TEST_F(MacroStopTest, SecondPressStopsTheMacroInNormalModeAndOnlyThatOne) {
  Assign(17, 0, 100);
  Begin();
  Perform(kMacroButton, 45, kOtherButton);
  // A down at 40 is let go when the stop is seen at 50; the press that stopped
  // the macro is not performed.
  EXPECT_EQ(TypedA(), (std::vector<int64_t>{0, 10, 20, 30, 40, 50}));
  EXPECT_TRUE(program.mouse->Reports().empty());

  Begin();
  Report(kMacroButton);
  executor.PerformPendingPress();
  EXPECT_EQ(TypedA().size(), 200u);
}

TEST(DriverEndToEnd, AStartClickThenAPressPerformsCtrlC) {
  SimDesktop desktop;
  MouseProgram program(desktop);
  WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=1\n[Config1]\nK1=1\nK2=2\nK3=3\nK4=31\nK5=4\nK6=11\nK7=12\n");
  program.Start();
  ASSERT_FALSE(program.context.driver.flags.DriverActive);
  ButtonReportReader reader = program.context.Reader();
  FunctionExecutor executor = program.context.Executor();
  program.mouse->Press(5);
  reader.Step();  // ignored while waiting
  executor.PerformPendingPress();
  program.mouse->Release(5);
  reader.Step();  // the start click
  EXPECT_TRUE(program.context.driver.flags.DriverActive);
  program.mouse->Press(5);
  reader.Step();
  executor.PerformPendingPress();
  std::vector<std::pair<int, uint32_t>> keys;
  for (const auto& e : program.os.input.Events()) keys.emplace_back(e.virtualKey, e.flags);
  EXPECT_EQ(keys, (std::vector<std::pair<int, uint32_t>>{{0x11, 0}, {'C', 0}, {'C', kKeyEventKeyUp}, {0x11, kKeyEventKeyUp}}));
}

}  // namespace
}  // namespace tx80

namespace tx80 {
namespace {

TEST(DriverThreads, ReaderAndExecutorPerformAPressAndStop) {
  SimDesktop desktop;
  test::MouseProgram program(desktop);
  WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=1\n[Config1]\nK1=1\nK4=26\n");
  program.Start();
  std::thread reader([&] { program.context.Reader().Run(); });
  std::thread executor([&] { program.context.Executor().Run(); });
  program.mouse->Release(5);  // the start click
  program.mouse->Press(5);
  while (program.os.input.Events().size() < 2) std::this_thread::yield();  // mute down and up
  program.context.driver.RequestStop();
  program.mouse->Unplug();
  reader.join();
  executor.join();
  ASSERT_EQ(program.os.input.Events().size(), 2u);
  EXPECT_EQ(program.os.input.Events()[0].virtualKey, 0xAD);
}

}  // namespace
}  // namespace tx80
