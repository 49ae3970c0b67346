// config.ini through the start sequence and an apply, as the program and the
// user's own editors leave it.
#include <gtest/gtest.h>

#include "device/ApplyProfile.h"
#include "framework/PrivateProfile.h"
#include "profile/SettingsFile.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::ReadFile;
using test::WriteFile;

// "03" and "+3" are profile 3, as the decimal reading has always taken them
// (and as [Init] files written by the program rely on); the next apply
// writes the number back as "3".
TEST(SettingsScenario, CurConfigIsReadAsADecimalNumber) {
  for (const char* stored : {"03", "+3", " 3", "3abc"}) {
    SimDesktop desktop;
    MouseProgram program(desktop);
    WriteFile(program.dir / "config.ini",
              std::string("[Init]\nCurConfig=") + stored + "\n[Config3]\nK1=1\nFIRE_TIME=120\n[Config1]\nK1=2\n");
    program.Start();
    EXPECT_EQ(program.context.profile.CurConfig(), 3) << stored;
    EXPECT_EQ(program.context.profile.Fields().FIRE_TIME, 120) << stored;
    EXPECT_EQ(ReadProfileString(program.os.files, program.dir / "config.ini", u"Init", u"CurConfig", 5), u"3");
  }
}

// One apply is one save of config.ini, made before anything is sent to the
// mouse; bytes the program does not write stay as the user's editor left them.
TEST(SettingsScenario, AnApplySavesConfigIniOnceBeforeSending) {
  SimDesktop desktop;
  MouseProgram program(desktop);
  const auto config = program.dir / "config.ini";
  // Saved by an editor of a Chinese system: the comment is in the code page.
  const std::string comment = "; \xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE\r\n";
  WriteFile(config, comment + "[Init]\r\nCurConfig=2\r\n[Config2]\r\nK1=1\r\nK6=18\r\nFIRE_TIME=60\r\n");
  std::vector<size_t> reportsAtSave;
  program.os.files.beforeRename = [&](const std::filesystem::path&) {
    reportsAtSave.push_back(program.mouse->Reports().size());
  };
  program.Start();
  EXPECT_EQ(reportsAtSave, std::vector<size_t>{0});
  EXPECT_EQ(program.os.files.Replacements(config), 1);
  EXPECT_EQ(program.mouse->Reports().size(), 10u);

  const std::string text = ReadFile(config);
  EXPECT_EQ(text.rfind(comment + "[Init]\r\nCurConfig=2\r\n[Config2]\r\nK1=1\r\nK6=18\r\nFIRE_TIME=60\r\nK2=0\r\n", 0), 0u);
  ProfileModel applied;
  LoadProfile(program.os.files, applied, config, kAppliedProfile, false);
  EXPECT_EQ(applied.Fields(), program.context.profile.Fields());
}

}  // namespace
}  // namespace tx80
