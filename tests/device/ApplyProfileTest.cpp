#include "device/ApplyProfile.h"

#include <gtest/gtest.h>

#include "device/ButtonReportReader.h"
#include "framework/PrivateProfile.h"
#include "profile/SettingsFile.h"
#include "support/MouseProgram.h"
#include "support/Reports.h"

namespace tx80 {
namespace {

using test::HexPrefixes;
using test::MouseProgram;
using test::WriteFile;

class ApplyProfileTest : public ::testing::Test {
 protected:
  void StartWith(const std::string& config) {
    WriteFile(program.dir / "config.ini", config);
    program.Start();
    program.mouse->ClearReports();
  }
  void Apply(const ProfileFields& fields) {
    program.context.profile.Load(fields);
    ApplyProfile(program.context.applyTarget);
  }
  ProfileFields Factory() {
    ProfileModel model;
    model.SetFactoryDefaults();
    return model.Fields();
  }
  size_t BlinkThreadsStarted() {
    size_t count = 0;
    for (const auto& kept : program.os.threads.Started()) count += kept.priority == ThreadPriority::Normal;
    return count;
  }

  SimDesktop desktop;
  MouseProgram program{desktop};
  DriverFlags& flags = program.context.driver.flags;
};

TEST_F(ApplyProfileTest, FactoryProfileReportsTwoButtonsAndWaitsForSlotSix) {
  StartWith(test::kFactoryProfile);
  Apply(Factory());
  EXPECT_EQ(HexPrefixes(program.mouse->Reports()),
            (std::vector<std::string>{"07 10 01 01", "07 10 02 02", "07 10 03 03", "07 10 05 05", "07 10 04 04",
                                      "07 10 06 1F", "07 10 08 1F", "07 11 00 00", "07 09 00 90", "07 12 06 00"}));
  EXPECT_FALSE(flags.DriverActive);
  EXPECT_EQ(flags.StartKeySlot, 6);
  EXPECT_TRUE(flags.StartKeyBlink);
  EXPECT_EQ(flags.DpiRole[5], -1);
  EXPECT_EQ(flags.DpiRole[6], 1);
  EXPECT_EQ(flags.DpiRole[0], 0);
  const auto state = program.mouse->GetState();
  EXPECT_EQ(state.buttonCode[5], 31);
  EXPECT_EQ(state.buttonCode[7], 31);
}

TEST_F(ApplyProfileTest, ApplyingTwiceWhileWaitingStartsOneBlinkThread) {
  StartWith(test::kFactoryProfile);
  const size_t before = BlinkThreadsStarted();
  Apply(Factory());
  EXPECT_EQ(BlinkThreadsStarted(), before);  // the one already started blinks for both
  EXPECT_TRUE(flags.BlinkThreadRunning);
}

TEST_F(ApplyProfileTest, StartsABlinkThreadExactlyWhenNoneRuns) {
  StartWith("");
  ProfileFields active = Factory();
  active.K = {1, 2, 3, 5, 4, 11, 21};
  // Kept threads end at once when the driver is active or the page is not
  // the main page, as a real one would.
  auto runBlinkThreads = [&] {
    for (const auto& kept : program.os.threads.Started())
      if (kept.priority == ThreadPriority::Normal) kept.body();
  };
  runBlinkThreads();  // the start sequence's
  ASSERT_FALSE(flags.BlinkThreadRunning);

  Apply(Factory());
  EXPECT_EQ(BlinkThreadsStarted(), 2u);
  // The start click, then Waiting again before the thread noticed the click:
  // that thread blinks on, none joins it.
  program.context.Reader().HandleReport(std::vector<uint8_t>{6, 0});
  ASSERT_TRUE(flags.DriverActive);
  Apply(Factory());
  EXPECT_EQ(BlinkThreadsStarted(), 2u);

  // The page changed and the thread ended while waiting; an Active apply, and
  // Waiting again must blink again.
  program.context.ui.CurrentPage = Page::Advanced;
  runBlinkThreads();
  ASSERT_FALSE(flags.BlinkThreadRunning);
  program.context.ui.CurrentPage = Page::Main;
  Apply(active);
  EXPECT_EQ(BlinkThreadsStarted(), 2u);
  Apply(Factory());
  EXPECT_EQ(BlinkThreadsStarted(), 3u);
  EXPECT_TRUE(flags.BlinkThreadRunning);
}

TEST_F(ApplyProfileTest, ProfileWithoutSoftwareFunctionsStaysActive) {
  StartWith("");
  ProfileFields fields = Factory();
  fields.K = {1, 2, 3, 5, 4, 11, 21};
  const size_t before = BlinkThreadsStarted();
  Apply(fields);
  EXPECT_TRUE(flags.DriverActive);
  EXPECT_EQ(BlinkThreadsStarted(), before);
  EXPECT_EQ(program.mouse->GetState().buttonCode[7], 13);
}

TEST_F(ApplyProfileTest, CodesThatNameNoFunctionSendDeviceCodeZero) {
  StartWith("");
  ProfileFields fields = Factory();
  fields.K = {1, 31, 7, 20, 53, -4, 10};
  Apply(fields);
  EXPECT_EQ(HexPrefixes(program.mouse->Reports()),
            (std::vector<std::string>{"07 10 01 01", "07 10 02 1F", "07 10 03 00", "07 10 05 00", "07 10 04 00",
                                      "07 10 06 00", "07 10 08 00", "07 11 00 00", "07 09 00 90", "07 12 06 00"}));
  EXPECT_EQ(flags.StartKeySlot, 2);
}

TEST_F(ApplyProfileTest, SetsPointerSpeedAndScrollLines) {
  StartWith("");
  const struct {
    uint8_t dpiSpeed, wheelSpeed;
    int speed;
    unsigned lines;
  } cases[] = {{0, 0, 1, 1}, {4, 2, 8, 3}, {8, 9, 16, 10}, {9, 5, 18, 6}, {200, 255, 18, 0}};
  for (const auto& c : cases) {
    ProfileFields fields = Factory();
    fields.DPI_SPEED = c.dpiSpeed;
    fields.WHEEL_SPEED = c.wheelSpeed;
    Apply(fields);
    EXPECT_EQ(desktop.systemMouse.speed, c.speed) << int(c.dpiSpeed);
    EXPECT_EQ(desktop.systemMouse.wheelLines, c.lines) << int(c.wheelSpeed);
  }
  desktop.systemMouse.readsFail = true;
  const int sets = desktop.systemMouse.speedSets;
  Apply(Factory());
  EXPECT_EQ(desktop.systemMouse.speedSets, sets);
}

TEST_F(ApplyProfileTest, RecordsTheAppliedProfile) {
  StartWith("[Init]\nCurConfig=3\n");
  ProfileFields fields = Factory();
  fields.FIRE_TIME = 120;
  fields.LED_STATUS = 2;
  Apply(fields);
  const auto config = program.dir / "config.ini";
  EXPECT_EQ(ReadCurConfig(program.os.files, config), 3);
  ProfileModel applied, own;
  LoadProfile(program.os.files, applied, config, kAppliedProfile, false);
  LoadProfile(program.os.files, own, config, 3, false);
  EXPECT_EQ(applied.Fields(), fields);
  EXPECT_EQ(own.Fields(), fields);
  EXPECT_EQ(program.context.profile.Snapshot().ActiveLedMode, 2);
}

TEST_F(ApplyProfileTest, OutOfRangeLevelsStayInsideTheTables) {
  StartWith("");
  ProfileFields fields = Factory();
  fields.DPI_LEVEL = 9;
  fields.DPI_SET = {7, 200, 4, 0};
  fields.LED_STATUS = 250;
  Apply(fields);
  const auto reports = HexPrefixes(program.mouse->Reports());
  EXPECT_EQ(reports[8], "07 09 03 8A");  // level cut to 3; step 0, LED 250 keeps its low nibble
}

TEST_F(ApplyProfileTest, WithoutAMouseStillSavesAndSetsTheSystem) {
  test::SimProgram bare(desktop);
  bare.Start();  // the plug-in message ended it
  bare.context.profile.Load(Factory());
  ApplyProfile(bare.context.applyTarget);
  EXPECT_EQ(desktop.systemMouse.speed, 8);
  EXPECT_TRUE(std::filesystem::exists(bare.dir / "config.ini"));
}

}  // namespace
}  // namespace tx80
