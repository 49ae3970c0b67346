#include "app/SettingsFolder.h"

#include <gtest/gtest.h>

#include "app/CAboutDlg.h"
#include "app/CNRV_VIruviApp.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::ReadFile;
using test::WriteFile;

// A program folder the user cannot write (unzipped under Program Files).
struct ProgramInAFolderItCannotWrite {
  ProgramInAFolderItCannotWrite() {
    WriteFile(program.dir / "config.ini", test::kFactoryProfile);
    WriteFile(program.dir / "Macro_EN.dat", "[Macros]\r\nmacroNum=0\r\n; shipped\r\n");
    program.context.paths.userDataDirectory = appData.path();
    program.os.files.RefuseWrites(program.dir.path(), true);
  }
  void Start() { CNRV_VIruviApp(program.context).InitInstance(); }

  SimDesktop desktop;
  test::TempDir appData;
  test::MouseProgram program{desktop};
  const std::filesystem::path settings = appData / "TX80";
};

TEST(SettingsFolder, AnUnwritableProgramFolderKeepsTheSettingsInTheUsersApplicationData) {
  ProgramInAFolderItCannotWrite first;
  const std::string shipped = ReadFile(first.program.dir / "config.ini");
  std::u16string aboutSays;
  first.program.os.windows.whileModal = [&](SimWindowHost& window) {
    window.Deliver(fw::Message{fw::msg::kSysCommand, CNRV_VIruviDlg::kAboutCommand, 0, true});
  };
  first.program.os.windows.onModal[100] = [&](SimWindowHost&) {
    aboutSays = first.program.os.childControls.Edit(CAboutDlg::kSettingsFolderId)->Text();
  };
  first.Start();
  EXPECT_EQ(aboutSays, first.settings.u16string());
  EXPECT_EQ(first.program.context.paths.configPath, first.settings / "config.ini");
  EXPECT_EQ(ReadFile(first.program.dir / "config.ini"), shipped);  // never written
  const std::string copied = ReadFile(first.settings / "config.ini");
  EXPECT_EQ(copied.rfind(shipped, 0), 0u) << copied;                     // copied, then the apply recorded
  EXPECT_NE(copied.find("[Config6]"), std::string::npos);
  EXPECT_EQ(ReadFile(first.settings / "Macro_EN.dat"), ReadFile(first.program.dir / "Macro_EN.dat"));
  EXPECT_TRUE(first.program.os.dialogs.Messages().empty());  // no save failed
  EXPECT_EQ(first.program.context.paths.skinsDirectory, first.program.dir / "skins");

  // A later start takes what the user has there, not the shipped files again.
  ProgramInAFolderItCannotWrite later;
  std::filesystem::create_directories(later.settings);
  WriteFile(later.settings / "config.ini", "[Init]\r\nCurConfig=3\r\n");
  later.Start();
  EXPECT_EQ(later.program.context.profile.CurConfig(), 3);
  EXPECT_EQ(ReadFile(later.settings / "Macro_EN.dat"), ReadFile(later.program.dir / "Macro_EN.dat"));  // the missing one came
}

TEST(SettingsFolder, AWritableProgramFolderKeepsEverythingBesideTheProgram) {
  ProgramInAFolderItCannotWrite program;
  program.program.os.files.RefuseWrites(program.program.dir.path(), false);
  program.Start();
  EXPECT_EQ(program.program.context.paths.configPath, program.program.dir / "config.ini");
  EXPECT_FALSE(std::filesystem::exists(program.settings));
}

}  // namespace
}  // namespace tx80
