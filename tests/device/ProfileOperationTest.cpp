// Whole-profile operations from the UI thread and the function executor: one at
// a time under AppContext::profileOperation, and never holding it while the
// system broadcasts a setting change to every window.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "device/ApplyProfile.h"
#include "framework/Decimal.h"
#include "framework/PrivateProfile.h"
#include "functions/FunctionExecutor.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;

class ProfileOperationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(program.dir / "config.ini",
              "[Init]\nCurConfig=1\n"
              "[Config1]\nK1=1\nK4=17\nDPI_SET1=1\nDPI_SET2=2\nDPI_SET3=3\nDPI_SET4=4\n"
              "DPI_SET_EN1=1\nDPI_SET_EN2=1\nDPI_SET_EN3=1\nDPI_SET_EN4=1\nDPI_SPEED=2\n"
              "[Config2]\nK1=1\nK4=40\nDPI_SPEED=6\nWHEEL_SPEED=5\n");
    program.Start();
    flags.DriverActive = true;  // the start click
  }
  // The mouse's button 5: slot 4.
  void PressSlot4(FunctionExecutor& executor) {
    flags.PressedCode = 0xF5;
    flags.ButtonPending = true;
    executor.PerformPendingPress();
  }
  // Whether another thread could take the profile lock now.
  bool ProfileLockFree() {
    bool free = false;
    std::thread([&] {
      free = program.context.driver.profileOperation.try_lock();
      if (free) program.context.driver.profileOperation.unlock();
    }).join();
    return free;
  }

  SimDesktop desktop;
  MouseProgram program{desktop};
  DriverFlags& flags = program.context.driver.flags;
};

TEST_F(ProfileOperationTest, SystemSettingsAreSetWithTheProfileLockFree) {
  std::vector<bool> free;
  desktop.systemMouse.broadcast = [&] { free.push_back(ProfileLockFree()); };
  ProfileFields fields = program.context.profile.Fields();
  fields.K[3] = 40;
  program.context.profile.Load(fields);
  ApplyProfile(program.context.applyTarget);  // the apply element, on the UI thread
  flags.DriverActive = true;
  FunctionExecutor executor = program.context.Executor();
  PressSlot4(executor);  // next profile, on the executor
  EXPECT_EQ(program.context.profile.CurConfig(), 2);
  EXPECT_EQ(desktop.systemMouse.speed, 12);
  EXPECT_EQ(free, (std::vector<bool>{true, true}));
}

// However two applies on two threads interleave, the system ends with the
// settings of the one that took the lock last.
TEST_F(ProfileOperationTest, TheLatestApplyDecidesTheSystemSettings) {
  ProfileFields first, second;
  first.DPI_SPEED = 0;
  first.WHEEL_SPEED = 0;
  second.DPI_SPEED = 8;
  second.WHEEL_SPEED = 9;
  bool interleaved = false;
  desktop.systemMouse.broadcast = [&] {
    if (std::exchange(interleaved, true)) return;
    // Another apply while the first one's change is being broadcast.
    if (!ProfileLockFree()) {
      ADD_FAILURE() << "the profile lock is held across the broadcast";
      return;
    }
    std::thread([&] {
      program.context.profile.Load(second);
      ApplyProfile(program.context.applyTarget);
    }).join();
  };
  program.context.profile.Load(first);
  ApplyProfile(program.context.applyTarget);
  EXPECT_TRUE(interleaved);
  EXPECT_EQ(desktop.systemMouse.speed, 16);
  EXPECT_EQ(desktop.systemMouse.wheelLines, 10u);
}

// A DPI button pressed while an apply is on its way waits for it: config.ini,
// the model and the mouse end at the same level.
TEST_F(ProfileOperationTest, ADpiButtonDuringAnApplyWaitsForIt) {
  ProfileFields edited = program.context.profile.Fields();
  edited.DPI_LEVEL = 2;
  program.context.profile.Load(edited);

  FunctionExecutor executor = program.context.Executor();
  std::thread press;
  std::atomic<bool> pressStarted{false};
  program.os.files.beforeRename = [&](const std::filesystem::path&) {
    if (pressStarted.exchange(true)) return;
    std::promise<void> pressed;
    auto done = pressed.get_future();
    press = std::thread([&, pressed = std::move(pressed)]() mutable {
      PressSlot4(executor);  // DPI up
      pressed.set_value();
    });
    // Time for a press that does not wait to go through, in the middle of the
    // apply's save.
    done.wait_for(std::chrono::milliseconds(200));
  };
  ApplyProfile(program.context.applyTarget);
  press.join();
  program.os.files.beforeRename = nullptr;

  const int32_t saved =
      ParseDecimal(ReadProfileString(program.os.files, program.context.paths.configPath, u"Config1", u"DPI_LEVEL", 5));
  EXPECT_EQ(program.context.profile.Fields().DPI_LEVEL, 3);
  EXPECT_EQ(saved, 3);
  EXPECT_EQ(program.mouse->GetState().dpiLevel, 3);
}

}  // namespace
}  // namespace tx80
