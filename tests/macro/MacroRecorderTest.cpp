#include "macro/MacroRecorder.h"

#include "MacroPageFixture.h"

namespace tx80::test {
namespace {

constexpr uint32_t kDown = fw::msg::kKeyDown;
constexpr uint32_t kUp = fw::msg::kKeyUp;

// Keys typed on the desktop at chosen times while the macro page records.
class MacroRecorderTest : public MacroPageTest {
 protected:
  MacroRecorderTest() { target = AddMacro(u"rec"); }

  void Key(int64_t atMs, uint32_t message, uint32_t key) {
    os.keyboardHook.TypeAt(atMs, message, key);
    window->PumpPosted();
  }
  void Tap(int64_t atMs, uint32_t key) {
    Key(atMs, kDown, key);
    Key(atMs, kUp, key);
  }

  int target = 0;
};

TEST_F(MacroRecorderTest, AutoRepeatRecordsOneDownEvent) {
  page.ToggleRecording();
  Key(1000, kDown, 'A');
  Key(1500, kDown, 'A');
  Key(1530, kDown, 'A');
  Key(2000, kUp, 'A');
  page.ToggleRecording();
  EXPECT_EQ(Events(target), (std::vector<Event>{{'A', 1, 1000}, {'A', 2, 30}}));
}

TEST_F(MacroRecorderTest, DelaysAreTheGapsAndTheLastIsThirty) {
  page.ToggleRecording();
  Key(100, kDown, 'A');
  Key(250, kUp, 'A');
  Key(400, kDown, 'B');
  Key(480, kUp, 'B');
  page.ToggleRecording();
  EXPECT_EQ(Events(target), (std::vector<Event>{{'A', 1, 150}, {'A', 2, 150}, {'B', 1, 80}, {'B', 2, 30}}));
  EXPECT_EQ(eventList().Lines().size(), 7u);
  EXPECT_EQ(eventList().CurSel(), 6);  // the last line while recording
  EXPECT_EQ(page.Counters().DownText(), u"[↓]2");
}

TEST_F(MacroRecorderTest, StoppingWhileKeysAreHeld) {
  page.ToggleRecording();
  Key(100, kDown, 'A');
  page.ToggleRecording();
  // A single event keeps the delay the reset left.
  EXPECT_EQ(Events(target), (std::vector<Event>{{'A', 1, 0}}));

  page.ToggleRecording();
  Tap(1000, 'A');
  Key(1200, kDown, 'B');
  page.ToggleRecording();
  EXPECT_EQ(Events(target), (std::vector<Event>{{'A', 1, 0}, {'A', 2, 200}, {'B', 1, 30}}));
}

TEST_F(MacroRecorderTest, KeyHeldBeforeTheStartIsIgnored) {
  Key(50, kDown, 'A');  // before the recording: it goes to whoever has the focus
  page.ToggleRecording();
  Key(100, kUp, 'A');
  Tap(200, 'B');
  page.ToggleRecording();
  EXPECT_EQ(Events(target), (std::vector<Event>{{'B', 1, 0}, {'B', 2, 30}}));
  ASSERT_EQ(os.keyboardHook.Unhooked().size(), 1u);
}

TEST_F(MacroRecorderTest, AfterPressLimitReleasesAreStillRecordedUpTo216) {
  page.ToggleRecording();
  int64_t t = 0;
  for (int i = 0; i < 100; ++i) Tap(t += 10, 'A');
  const uint32_t held[] = {'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'};
  for (uint32_t key : held) Key(t += 10, kDown, key);
  EXPECT_EQ(page.Counters().down, MacroRecorder::kMaxPresses);
  Key(t += 10, kDown, 'Z');  // the 109th press
  for (uint32_t key : held) Key(t += 10, kUp, key);
  Key(t += 10, kUp, 'Z');
  page.ToggleRecording();
  const auto events = Events(target);
  ASSERT_EQ(events.size(), 216u);
  EXPECT_EQ(events[208].code, 'B');
  EXPECT_EQ(events[208].action, 2);
  EXPECT_EQ(events.back().code, 'I');
  EXPECT_EQ(events.back().action, 2);
}

TEST_F(MacroRecorderTest, TenthSimultaneousPressIsNotStoredNorItsRelease) {
  page.ToggleRecording();
  for (uint32_t key = 'A'; key <= 'J'; ++key) Key(key, kDown, key);
  for (uint32_t key = 'A'; key <= 'J'; ++key) Key(100 + key, kUp, key);
  page.ToggleRecording();
  const auto events = Events(target);
  ASSERT_EQ(events.size(), 18u);
  for (const auto& event : events) EXPECT_NE(event.code, 'J');
}

TEST_F(MacroRecorderTest, GapsAreMeasuredToTheMillisecondAndCappedAt65535) {
  // Keys typed 40 ms apart give 40, however the gaps fall between system timer
  // ticks (15.6 ms) or milliseconds.
  page.ToggleRecording();
  using std::chrono::microseconds;
  int64_t us = 5'000'300;
  for (uint32_t key : {'A', 'B', 'C', 'D'}) {
    os.clock.Advance(microseconds(us) - os.clock.Now().time_since_epoch());
    os.keyboardHook.Type(kDown, key);
    window->PumpPosted();
    us += key % 2 ? 40'400 : 39'600;
  }
  Key(os.clock.ElapsedMs() + 70'000, kUp, 'A');
  page.ToggleRecording();
  EXPECT_EQ(Events(target),
            (std::vector<Event>{{'A', 1, 40}, {'B', 1, 40}, {'C', 1, 40}, {'D', 1, 65535}, {'A', 2, 30}}));
}

TEST_F(MacroRecorderTest, StartResetsTheMacroAndTheCaptureEndsWithTheRecording) {
  store.SetRepeatMode(target, 1);
  store.SetRepeatCount(target, 9);
  AddMacro(u"other", {{'X', 1, 5}});
  macroList().Click(0);
  page.ToggleRecording();
  EXPECT_TRUE(page.Recording());
  EXPECT_TRUE(os.keyboardHook.Installed());
  EXPECT_EQ(store.CurrentMacro(), target);
  EXPECT_EQ(repeatEdit().Text(), u"1");
  EXPECT_FALSE(repeatEdit().IsEnabled());
  EXPECT_TRUE(eventList().Lines().empty());
  const auto reset = store.Copy(target);
  EXPECT_EQ(reset->Name(), u"rec");
  EXPECT_EQ(reset->RepeatMode(), 0);
  EXPECT_EQ(reset->RepeatCount(), 1);

  Tap(10, 'Q');
  EXPECT_TRUE(os.keyboardHook.Unhooked().empty());  // nothing reached another program
  page.ToggleRecording();
  EXPECT_FALSE(os.keyboardHook.Installed());
  Key(20, kDown, 'Q');
  EXPECT_EQ(os.keyboardHook.Unhooked().size(), 1u);
  EXPECT_EQ(Events(target).size(), 2u);
}

TEST_F(MacroRecorderTest, NothingSelectedRecordsIntoTheFirstMacro) {
  AddMacro(u"second");
  macroList().SetCurSel(-1);
  page.ToggleRecording();
  Tap(10, 'A');
  page.ToggleRecording();
  EXPECT_EQ(Events(0).size(), 2u);
  EXPECT_TRUE(Events(1).empty());
}

TEST_F(MacroRecorderTest, EmptyMacroListRecordsNothing) {
  page.DeleteMacro();
  page.ToggleRecording();
  EXPECT_FALSE(page.Recording());
  EXPECT_FALSE(os.keyboardHook.Installed());
}

TEST_F(MacroRecorderTest, KeystrokesGoToTheWindowOfTheCurrentLanguage) {
  context.profile.SetLanguageFlag(0);
  window->SetCaption(MainCaption(0));
  page.ToggleRecording();
  Tap(10, 'A');
  EXPECT_EQ(os.keyboardHook.Lost(), 0);
  context.profile.SetLanguageFlag(1);  // the caption no longer matches
  Tap(20, 'B');
  EXPECT_EQ(os.keyboardHook.Lost(), 2);
  page.ToggleRecording();
  EXPECT_EQ(Events(target).size(), 2u);
}

// The capture's handler decides each key's fate: what it passes on reaches the
// program with the focus, so "nothing reached another program" above means the
// recorder kept every key.
TEST(KeyboardCapture, AKeyTheHandlerPassesOnReachesTheFocusedProgram) {
  SimDesktop desktop;
  SimClock clock;
  SimKeyboardHook hook(desktop, clock);
  ASSERT_TRUE(hook.Install([](uint32_t, uint32_t virtualKey) { return virtualKey != 'P'; }));
  hook.Type(kDown, 'K');
  hook.Type(kDown, 'P');
  hook.Type(kUp, 'P');
  ASSERT_EQ(hook.Unhooked().size(), 2u);
  EXPECT_EQ(hook.Unhooked()[0].message, kDown);
  EXPECT_EQ(hook.Unhooked()[1].message, kUp);
  EXPECT_EQ(hook.Unhooked()[1].virtualKey, uint32_t{'P'});
}

}  // namespace
}  // namespace tx80::test
