#include "app/SaveFailures.h"

#include <gtest/gtest.h>

#include "device/ApplyProfile.h"
#include "functions/FunctionExecutor.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;

class SaveFailureTest : public ::testing::Test {
 protected:
  SimWindowHost& StartIn(int language) {
    WriteFile(program.dir / "config.ini",
              "[Init]\nCurConfig=1\nVER_SEL=" + std::to_string(language) +
                  "\n[Config1]\nK1=1\nK4=17\nDPI_SET_EN1=1\nDPI_SET_EN2=1\n");
    SimWindowHost& window = program.Start();
    program.context.driver.flags.DriverActive = true;  // the start click
    return window;
  }
  void PressDpiUp() {  // on the executor: slot 4
    program.context.driver.flags.PressedCode = 0xF5;
    program.context.driver.flags.ButtonPending = true;
    executor.PerformPendingPress();
  }
  size_t Shown() { return program.os.dialogs.Messages().size(); }
  void ApplyEdited() {  // a profile that differs from the one saved
    ProfileFields fields = program.context.profile.Fields();
    ++fields.FIRE_TIME;
    program.context.profile.Load(fields);
    ApplyProfile(program.context.applyTarget);
  }

  SimDesktop desktop;
  MouseProgram program{desktop};
  FunctionExecutor executor = program.context.Executor();
  std::filesystem::path config = program.dir / "config.ini";
};

// A program folder that cannot be written: one message per file, shown on the
// UI thread, and the program goes on.
TEST_F(SaveFailureTest, AFileThatCannotBeSavedIsToldOnce) {
  SimWindowHost& window = StartIn(1);
  ASSERT_EQ(Shown(), 0u);
  program.os.files.RefuseWrites(program.dir.path(), true);
  ApplyEdited();
  for (int i = 0; i < 3; ++i) PressDpiUp();
  ApplyEdited();
  EXPECT_EQ(Shown(), 0u);  // never from the thread that saved
  window.PumpPosted();
  ASSERT_EQ(Shown(), 1u);
  EXPECT_EQ(program.os.dialogs.Messages()[0].text, SaveFailedMessage(1, config));
  EXPECT_TRUE(program.os.dialogs.Messages()[0].owned);

  program.context.macros.AddMacro(u"new");
  program.dialog.Macros().SaveMacros();  // another file: its own message
  PressDpiUp();
  window.PumpPosted();
  ASSERT_EQ(Shown(), 2u);
  EXPECT_EQ(program.os.dialogs.Messages()[1].text, SaveFailedMessage(1, program.dir / "Macro_EN.dat"));

  // Once config.ini was saved again, a new failure is told again.
  program.os.files.RefuseWrites(program.dir.path(), false);
  ApplyEdited();
  program.os.files.RefuseWrites(program.dir.path(), true);
  ApplyEdited();
  window.PumpPosted();
  EXPECT_EQ(Shown(), 3u);
  EXPECT_FALSE(window.Destroyed());
  EXPECT_EQ(program.context.profile.Fields().DPI_LEVEL, 1);  // the model kept every change
}

TEST_F(SaveFailureTest, TheMessageNamesTheFileInTheLanguage) {
  for (int language : {0, 1}) {
    const std::u16string text = SaveFailedMessage(language, config);
    EXPECT_NE(text.find(config.u16string()), std::u16string::npos);
    EXPECT_NE(text.find(language ? u"Could not save" : u"无法保存"), std::u16string::npos);
  }
  SimWindowHost& window = StartIn(0);
  program.os.files.RefuseWrites(program.dir.path(), true);
  ApplyEdited();
  window.PumpPosted();
  ASSERT_EQ(Shown(), 1u);
  EXPECT_EQ(program.os.dialogs.Messages()[0].text, SaveFailedMessage(0, config));
}

}  // namespace
}  // namespace tx80
