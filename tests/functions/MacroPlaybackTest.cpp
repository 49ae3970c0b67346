#include "functions/MacroPlayback.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "device/DriverFlags.h"
#include "macro/Macro.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimInputInjector.h"

namespace tx80 {
namespace {

using Kind = InjectedInput::Kind;

struct Step {
  uint8_t code;
  uint8_t action;
  uint16_t delay;
};

Macro MakeMacro(std::initializer_list<Step> steps, uint8_t repeatMode = 0, uint16_t repeatCount = 1) {
  Macro macro;
  macro.SetName(u"test");
  macro.SetRepeatMode(repeatMode);
  macro.SetRepeatCount(repeatCount);
  int k = 0;
  for (const Step& step : steps) {
    macro.SetEvent(k, step.code, step.action);
    macro.SetDelay(k, step.delay);
    ++k;
  }
  macro.SetEventCount(static_cast<uint8_t>(k));
  return macro;
}

InjectedInput Key(uint8_t vk, uint8_t scan, uint32_t flags, int64_t timeMs) {
  return {Kind::Key, vk, scan, flags, timeMs};
}
InjectedInput Mouse(uint32_t flags, int64_t timeMs) { return {Kind::MouseButton, 0, 0, flags, timeMs}; }

constexpr uint8_t kA = 'A';
constexpr uint8_t kScanA = 0x1E;
constexpr uint8_t kCtrl = 0x11;
constexpr uint8_t kScanCtrl = 0x1D;

class MacroPlaybackTest : public ::testing::Test {
 protected:
  void Play(const Macro& macro, int32_t macroMode2 = 0) { PlayMacro(macro, macroMode2, flags, input, clock); }
  // Requests a stop once the virtual time reaches `ms`, as the reader would.
  void StopAt(int64_t ms) {
    clock.OnAdvance([this, ms](Clock::TimePoint now) {
      if (now.time_since_epoch() >= std::chrono::milliseconds(ms)) flags.MacroStop = true;
    });
  }

  SimClock clock;
  SimInputInjector input{clock};
  DriverFlags flags;
};

TEST_F(MacroPlaybackTest, PlayCountFollowsRepeatModeAndMacroMode) {
  const struct {
    uint8_t repeatMode;
    uint16_t repeatCount;
    int32_t macroMode2;
    std::size_t events;
  } cases[] = {
      {0, 1, 0, 2},
      {0, 5, 0, 2},  // the count matters only in repeat mode
      {1, 3, 0, 6},
      {1, 0, 0, 0},  // a damaged count of 0 plays nothing
  };
  for (const auto& c : cases) {
    input.Clear();
    Play(MakeMacro({{kA, kActionDown, 10}, {kA, kActionUp, 20}}, c.repeatMode, c.repeatCount), c.macroMode2);
    EXPECT_EQ(input.Events().size(), c.events) << int(c.repeatMode) << " " << c.repeatCount;
  }
}

TEST_F(MacroPlaybackTest, RepeatsWithTheRecordedDelays) {
  Play(MakeMacro({{kA, kActionDown, 10}, {kA, kActionUp, 20}}, 1, 3));
  EXPECT_EQ(input.Events(), (std::vector<InjectedInput>{
                                Key(kA, kScanA, 0, 0), Key(kA, kScanA, kKeyEventKeyUp, 10),
                                Key(kA, kScanA, 0, 30), Key(kA, kScanA, kKeyEventKeyUp, 40),
                                Key(kA, kScanA, 0, 60), Key(kA, kScanA, kKeyEventKeyUp, 70)}));
  EXPECT_EQ(clock.ElapsedMs(), 90);
}

TEST_F(MacroPlaybackTest, EmptyMacroSendsNothing) {
  Play(MakeMacro({}, 1, 100));
  Play(MakeMacro({}), 1);
  EXPECT_TRUE(input.Events().empty());
}

TEST_F(MacroPlaybackTest, HeldButtonRepeatsUntilTheReleaseStopsIt) {
  StopAt(45);  // released during the delay of the third event
  Play(MakeMacro({{kA, kActionDown, 10}, {kA, kActionUp, 10}}), 1);
  // Down at 0, up at 10, down at 20, up at 30, down at 40; the stop is seen at
  // 50, after that event's delay, and the key the macro holds is let go.
  EXPECT_EQ(input.Events(), (std::vector<InjectedInput>{
                                Key(kA, kScanA, 0, 0), Key(kA, kScanA, kKeyEventKeyUp, 10),
                                Key(kA, kScanA, 0, 20), Key(kA, kScanA, kKeyEventKeyUp, 30),
                                Key(kA, kScanA, 0, 40), Key(kA, kScanA, kKeyEventKeyUp, 50)}));
}

TEST_F(MacroPlaybackTest, ShortClickStillPlaysTheFirstEventAndItsDelay) {
  flags.MacroStop = true;  // released before the executor got to the macro
  Play(MakeMacro({{kA, kActionDown, 15}, {kA, kActionUp, 15}}), 1);
  EXPECT_EQ(input.Events(), (std::vector<InjectedInput>{Key(kA, kScanA, 0, 0),
                                                        Key(kA, kScanA, kKeyEventKeyUp, 15)}));
}

TEST_F(MacroPlaybackTest, StopDuringADelayEndsAfterThatDelay) {
  StopAt(25);  // during event 1's delay (20..50)
  Play(MakeMacro({{'B', kActionUp, 20}, {'C', kActionUp, 30}, {'D', kActionUp, 5}}, 1, 10));
  const auto events = input.Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].virtualKey, 'C');
  EXPECT_EQ(clock.ElapsedMs(), 50);
}

TEST_F(MacroPlaybackTest, StopReleasesWhatTheMacroStillHolds) {
  StopAt(1);  // seen after the Left arrow's delay; A up is never played
  Play(MakeMacro({{kCtrl, kActionDown, 0},
                  {'B', kActionDown, 0},
                  {'B', kActionUp, 0},  // released by the macro itself: not again
                  {kA, kActionDown, 0},
                  {kMouseLeftCode, kActionDown, 0},
                  {250, kActionDown, 0},   // middle button
                  {0x25, kActionDown, 1},  // Left arrow, extended
                  {kA, kActionUp, 0}}));
  const auto events = input.Events();
  ASSERT_EQ(events.size(), 12u);
  EXPECT_EQ(events[6], Key(0x25, 0x4B, kKeyEventExtendedKey, 0));
  // Let go in reverse press order, each as its own release would be sent.
  EXPECT_EQ(std::vector<InjectedInput>(events.begin() + 7, events.end()),
            (std::vector<InjectedInput>{Key(0x25, 0x4B, kKeyEventExtendedKey | kKeyEventKeyUp, 1),
                                        Mouse(kMouseMiddleUp, 1), Mouse(kMouseLeftUp, 1),
                                        Key(kA, kScanA, kKeyEventKeyUp, 1),
                                        Key(kCtrl, kScanCtrl, kKeyEventKeyUp, 1)}));
}

TEST_F(MacroPlaybackTest, MacroThatEndsNormallyKeepsItsHeldKeys) {
  // A recording stopped while a key was held ends with a down event; only a
  // stop lets go of it.
  Play(MakeMacro({{kA, kActionDown, 30}}));
  EXPECT_EQ(input.Events(), (std::vector<InjectedInput>{Key(kA, kScanA, 0, 0)}));
}

TEST_F(MacroPlaybackTest, KeysGoOutWithTheirStrokes) {
  // Right Shift as the real key (36 without the prefix), an arrow and a media
  // key with it, the layout's letter.
  input.SetLayout(SimKeyboardLayout::German);
  Play(MakeMacro({{0xA1, kActionDown, 0}, {0x26, kActionDown, 0}, {0xB3, kActionDown, 0}, {'Y', kActionDown, 0},
                  {'Y', kActionUp, 0}, {0xB3, kActionUp, 0}, {0x26, kActionUp, 0}, {0xA1, kActionUp, 0}}));
  constexpr uint32_t kExt = kKeyEventExtendedKey;
  constexpr uint32_t kUp = kKeyEventKeyUp;
  EXPECT_EQ(input.Events(), (std::vector<InjectedInput>{Key(0xA1, 0x36, 0, 0), Key(0x26, 0x48, kExt, 0),
                                                        Key(0xB3, 0x22, kExt, 0), Key('Y', 0x2C, 0, 0),
                                                        Key('Y', 0x2C, kUp, 0), Key(0xB3, 0x22, kExt | kUp, 0),
                                                        Key(0x26, 0x48, kExt | kUp, 0), Key(0xA1, 0x36, kUp, 0)}));
}

TEST_F(MacroPlaybackTest, MouseButtonCodes) {
  const struct {
    uint8_t code;
    bool swapped;
    uint32_t down, up;
  } cases[] = {
      {240, false, kMouseLeftDown, kMouseLeftUp},
      {241, false, kMouseRightDown, kMouseRightUp},
      // Swapped buttons: the system turns the physical right button into the
      // primary one, so that is the one a left click of the macro presses.
      {240, true, kMouseRightDown, kMouseRightUp},
      {241, true, kMouseLeftDown, kMouseLeftUp},
      {242, false, kMouseMiddleDown, kMouseMiddleUp},
      {255, true, kMouseMiddleDown, kMouseMiddleUp},
  };
  for (const auto& c : cases) {
    input.Clear();
    input.SetButtonsSwapped(c.swapped);
    Play(MakeMacro({{c.code, kActionDown, 0}, {c.code, kActionUp, 0}}));
    EXPECT_EQ(input.Events(), (std::vector<InjectedInput>{Mouse(c.down, 0), Mouse(c.up, 0)}))
        << int(c.code) << " swapped " << c.swapped;
  }
}

TEST_F(MacroPlaybackTest, UnknownActionSendsNothingButWaits) {
  Play(MakeMacro({{kA, 0, 40}, {kA, 7, 2}}));
  EXPECT_TRUE(input.Events().empty());
  EXPECT_EQ(clock.ElapsedMs(), 42);
}

// Injection that takes time: event k goes out `lateness(k)` after the call
// (a late wake-up, a slow system), and its time is noted then.
class LateInjector : public InputInjector {
 public:
  LateInjector(SimClock& clock, std::function<Clock::Duration(std::size_t)> lateness)
      : clock_(clock), lateness_(std::move(lateness)) {}
  void KeyEvent(uint8_t, uint8_t, uint32_t) override { GoOut(); }
  void MouseButtonEvent(uint32_t) override { GoOut(); }
  uint8_t ScanCode(uint8_t) override { return 0; }
  bool ButtonsSwapped() override { return false; }
  std::optional<InputTarget> ForegroundTarget() override { return std::nullopt; }
  Elevation OwnElevation() override { return Elevation::NotElevated; }

  std::vector<double> timesMs;

 private:
  void GoOut() {
    clock_.Advance(lateness_(timesMs.size()));
    timesMs.push_back(std::chrono::duration<double, std::milli>(clock_.Now().time_since_epoch()).count());
  }
  SimClock& clock_;
  std::function<Clock::Duration(std::size_t)> lateness_;
};

TEST_F(MacroPlaybackTest, LatenessIsWonBackByAtMostOneMillisecondPerGap) {
  using std::chrono::microseconds;
  using std::chrono::milliseconds;
  const struct {
    const char* what;
    std::function<Clock::Duration(std::size_t)> lateness;
    std::vector<double> timesMs;
    double endMs;
  } cases[] = {
      {"on time", [](std::size_t) { return Clock::Duration{}; }, {0, 30, 60, 90, 120}, 150},
      // The schedule starts when the first event has gone out.
      {"late first event", [](std::size_t k) { return k == 0 ? milliseconds(20) : Clock::Duration{}; },
       {20, 50, 80, 110, 140}, 170},
      // After a stall each gap is 1 ms short until the schedule is met again.
      {"stall", [](std::size_t k) { return k == 2 ? milliseconds(100) : Clock::Duration{}; },
       {0, 30, 160, 189, 218}, 247},
      {"just over 1 ms late once", [](std::size_t k) { return k == 1 ? microseconds(1500) : Clock::Duration{}; },
       {0, 31.5, 60.5, 90, 120}, 150},
      // Wake-ups a little late every time: the macro keeps its length.
      {"steady lateness", [](std::size_t) { return microseconds(600); }, {0.6, 31.2, 61.2, 91.2, 121.2}, 150.6},
      {"late every other event", [](std::size_t k) { return k % 2 ? microseconds(900) : Clock::Duration{}; },
       {0, 30.9, 60, 90.9, 120}, 150},
  };
  for (const auto& c : cases) {
    SimClock clock;
    LateInjector late(clock, c.lateness);
    PlayMacro(MakeMacro({{kA, kActionDown, 30}, {kA, kActionUp, 30}, {'B', kActionDown, 30}, {'B', kActionUp, 30},
                         {kA, kActionDown, 30}}),
              0, flags, late, clock);
    ASSERT_EQ(late.timesMs.size(), c.timesMs.size()) << c.what;
    for (std::size_t k = 0; k < c.timesMs.size(); ++k) EXPECT_NEAR(late.timesMs[k], c.timesMs[k], 1e-6) << c.what << " " << k;
    const double endMs = std::chrono::duration<double, std::milli>(clock.Now().time_since_epoch()).count();
    EXPECT_NEAR(endMs, c.endMs, 1e-6) << c.what;
  }
}

TEST_F(MacroPlaybackTest, ALongMacroWithLateWakeUpsKeepsItsLength) {
  // A second of 20 ms gaps, every event 0.9 ms late: the whole stays within
  // 1 ms of its recorded length and no gap is more than 1 ms short.
  SimClock clock;
  LateInjector late(clock, [](std::size_t) { return std::chrono::microseconds(900); });
  Macro macro = MakeMacro({});
  for (int k = 0; k < 51; ++k) {
    macro.SetEvent(k, kA, k % 2 ? kActionUp : kActionDown);
    macro.SetDelay(k, 20);
  }
  macro.SetEventCount(51);
  PlayMacro(macro, 0, flags, late, clock);
  ASSERT_EQ(late.timesMs.size(), 51u);
  EXPECT_NEAR(late.timesMs.back() - late.timesMs.front(), 1000, 1);
  for (std::size_t k = 1; k < late.timesMs.size(); ++k) EXPECT_GE(late.timesMs[k] - late.timesMs[k - 1], 19 - 1e-6) << k;
}

}  // namespace
}  // namespace tx80
