#include "device/ButtonReportReader.h"

#include <gtest/gtest.h>

#include "support/MouseProgram.h"

namespace tx80 {
namespace {

struct Flags {
  bool active, pending, stop;
  uint8_t code;
};

class ButtonReportReaderTest : public ::testing::Test {
 protected:
  void Set(Flags f, int32_t macroMode) {
    ProfileFields fields;
    fields.MACRO_MODE2 = macroMode;
    program.context.profile.Load(fields);
    flags.DriverActive = f.active;
    flags.ButtonPending = f.pending;
    flags.MacroStop = f.stop;
    flags.PressedCode = f.code;
  }
  Flags Get() { return {flags.DriverActive, flags.ButtonPending, flags.MacroStop, flags.PressedCode}; }

  SimDesktop desktop;
  test::SimProgram program{desktop};
  DriverFlags& flags = program.context.driver.flags;
  ButtonReportReader reader = program.context.Reader();
};

TEST_F(ButtonReportReaderTest, TurnsReportsIntoFlags) {
  const struct {
    const char* what;
    Flags before;
    int32_t macroMode;
    std::vector<uint8_t> report;
    Flags after;
  } cases[] = {
      {"press while idle", {true, false, false, 0}, 0, {6, 0xF5}, {true, true, false, 0xF5}},
      {"press drops a stop left from the last one", {true, false, true, 0}, 1, {6, 0xF5}, {true, true, false, 0xF5}},
      {"second press stops", {true, true, false, 0xF5}, 0, {6, 0xF6}, {true, true, true, 0xF5}},
      {"second press in hold mode", {true, true, false, 0xF5}, 1, {6, 0xF6}, {true, true, false, 0xF5}},
      {"release", {true, true, false, 0xF5}, 0, {6, 0}, {true, true, false, 0xF5}},
      {"release in hold mode stops", {true, true, false, 0xF5}, 1, {6, 0}, {true, true, true, 0xF5}},
      {"unused state", {true, false, false, 0}, 0, {6, 0x10}, {true, false, false, 0}},
      {"press while waiting", {false, false, false, 0}, 0, {6, 0xF6}, {false, false, false, 0}},
      {"release of another report", {false, false, false, 0}, 0, {5, 0}, {false, false, false, 0}},
      {"start click", {false, false, false, 0}, 0, {6, 0}, {true, false, false, 0}},
      {"short report", {true, false, false, 0}, 0, {6}, {true, false, false, 0}},
  };
  for (const auto& c : cases) {
    Set(c.before, c.macroMode);
    flags.StartKeyBlink = true;
    flags.BlinkRequested = true;
    reader.HandleReport(c.report);
    const Flags after = Get();
    EXPECT_EQ(after.active, c.after.active) << c.what;
    EXPECT_EQ(after.pending, c.after.pending) << c.what;
    EXPECT_EQ(after.stop, c.after.stop) << c.what;
    EXPECT_EQ(after.code, c.after.code) << c.what;
    if (std::string(c.what) == "start click") {
      EXPECT_FALSE(flags.StartKeyBlink);
      EXPECT_FALSE(flags.BlinkRequested);
    }
  }
}

TEST(ButtonReportReaderThread, ReadsFromTheMouseUntilStopped) {
  SimDesktop desktop;
  test::MouseProgram program(desktop);
  test::WriteFile(program.dir / "config.ini", test::kFactoryProfile);
  program.Start();
  ASSERT_FALSE(program.context.driver.flags.DriverActive);
  std::thread thread([&] { program.context.Reader().Run(); });
  program.mouse->Press(6);
  program.mouse->Release(6);
  program.mouse->Press(8);
  while (!program.context.driver.flags.ButtonPending) std::this_thread::yield();
  program.context.driver.RequestStop();
  program.mouse->Unplug();
  thread.join();
  EXPECT_TRUE(program.context.driver.flags.DriverActive);
  EXPECT_EQ(program.context.driver.flags.PressedCode, 0xF8);
}

}  // namespace
}  // namespace tx80
