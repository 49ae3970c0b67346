#include "functions/LedPreviewThread.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

#include "device/DriverFlags.h"
#include "platform/sim/SimClock.h"
#include "profile/ProfileModel.h"

namespace tx80 {
namespace {

class LedPreviewThreadTest : public ::testing::Test {
 protected:
  // The mouse runs `ledMode` (as after an apply) at DPI level `level`.
  void Mouse(uint8_t ledMode, int32_t level) {
    ProfileFields fields;
    fields.LED_STATUS = ledMode;
    fields.DPI_LEVEL = level;
    profile.Load(fields);
    profile.Activate();
  }
  // What the preview shows: (dark, colour index).
  std::pair<bool, int> Shown() const { return {flags.LedPreviewDark.load(), flags.LedPreviewIndex.load()}; }

  DriverFlags flags;
  ProfileModel profile;
  SimClock clock;
  int repaints = 0;
  bool colorPageShown = true;
  LedPreviewThread preview{flags, profile, clock, [this] { ++repaints; }, [this] { return colorPageShown; }};
};

TEST_F(LedPreviewThreadTest, CycleModesAlternateDarkAndTheNextColour) {
  for (const auto& [mode, phaseMs] : {std::pair{0, 1200}, std::pair{1, 800}}) {
    Mouse(static_cast<uint8_t>(mode), 0);
    flags.LedPreviewDark = false;
    ASSERT_TRUE(preview.Begin());
    EXPECT_EQ(Shown(), std::pair(false, 0));
    const std::vector<std::pair<bool, int>> expected = {{true, 1}, {false, 1}, {true, 2}, {false, 2},
                                                        {true, 3}, {false, 3}, {true, 0}, {false, 0}};
    for (const auto& phase : expected) {
      const int64_t start = clock.ElapsedMs();
      ASSERT_TRUE(preview.Step());
      EXPECT_EQ(Shown(), phase) << "mode " << mode;
      EXPECT_EQ(clock.ElapsedMs() - start, phaseMs);
    }
  }
}

TEST_F(LedPreviewThreadTest, LevelChangeShowsTheNewColourLonger) {
  Mouse(0, 1);
  preview.Begin();
  preview.Step();  // dark, next colour 2
  Mouse(0, 3);
  repaints = 0;
  const int64_t start = clock.ElapsedMs();
  preview.Step();
  EXPECT_EQ(Shown(), std::pair(false, 3));
  EXPECT_EQ(clock.ElapsedMs() - start, 2000 + 1200);
  EXPECT_EQ(repaints, 2);
  preview.Step();
  EXPECT_EQ(Shown(), std::pair(true, 0));
}

TEST_F(LedPreviewThreadTest, SteadyAndOffModesFollowTheLevelEachPhase) {
  Mouse(2, 1);
  preview.Begin();
  preview.Step();
  EXPECT_EQ(Shown(), std::pair(false, 1));
  profile.SetDpiLevel(2);  // a DPI button on the mouse
  const int64_t start = clock.ElapsedMs();
  preview.Step();
  EXPECT_EQ(Shown(), std::pair(false, 2));
  EXPECT_EQ(clock.ElapsedMs() - start, 1200);

  Mouse(3, 0);
  preview.Step();
  EXPECT_EQ(Shown(), std::pair(true, 0));
}

TEST_F(LedPreviewThreadTest, ModeChosenButNotAppliedDoesNotChangeThePreview) {
  Mouse(2, 0);
  preview.Begin();
  profile.SetLedMode(3);
  preview.Step();
  EXPECT_EQ(Shown(), std::pair(false, 0));
}

TEST_F(LedPreviewThreadTest, LevelOutsideTheFourColoursIsKeptInRange) {
  for (int32_t level : {-5, 4, 99}) {
    Mouse(2, level);
    preview.Begin();
    EXPECT_GE(flags.LedPreviewIndex, 0);
    EXPECT_LE(flags.LedPreviewIndex, 3);
    preview.Step();
    EXPECT_GE(flags.LedPreviewIndex, 0);
    EXPECT_LE(flags.LedPreviewIndex, 3);
  }
}

TEST_F(LedPreviewThreadTest, RunEndsWhenTheColorPageIsLeft) {
  colorPageShown = false;
  flags.LedPreviewRunning = true;
  preview.Run();
  EXPECT_FALSE(flags.LedPreviewRunning);
  EXPECT_EQ(repaints, 0);

  colorPageShown = true;
  flags.LedPreviewRunning = true;
  Mouse(0, 0);
  clock.OnAdvance([this](Clock::TimePoint now) {
    if (now.time_since_epoch() >= std::chrono::milliseconds(3 * 1200)) colorPageShown = false;
  });
  preview.Run();
  EXPECT_FALSE(flags.LedPreviewRunning);
  EXPECT_EQ(repaints, 3);
}

// The user leaves the color page and comes back while the thread has seen
// the page go but not yet cleared its flag: the starter found it running and
// started none, so this thread must go on.
TEST_F(LedPreviewThreadTest, PageShownAgainBeforeTheThreadEndsKeepsThePreviewGoing) {
  // At the start, after the last phase, after the flag cleared, at the new start.
  std::deque<bool> answers = {true, false, true, true};
  LedPreviewThread thread{flags, profile, clock, [this] { ++repaints; }, [&answers] {
                            if (answers.empty()) return false;  // then left for good
                            const bool shown = answers.front();
                            answers.pop_front();
                            return shown;
                          }};
  Mouse(0, 0);
  flags.LedPreviewRunning = true;
  thread.Run();
  EXPECT_TRUE(answers.empty());
  EXPECT_EQ(repaints, 2) << "a phase for the page shown again";
  EXPECT_FALSE(flags.LedPreviewRunning);
}

}  // namespace
}  // namespace tx80
