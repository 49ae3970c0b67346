#include <gtest/gtest.h>

#include "app/CNRV_VIruviApp.h"
#include "app/commands/BackupMenuCommands.h"
#include "framework/PrivateProfile.h"
#include "macro/MacroFile.h"
#include "support/MouseProgram.h"
#include "support/Reports.h"
#include "ui/OnScreenNotice.h"

namespace tx80 {
namespace {

using test::HexPrefixes;
using test::MouseProgram;
using test::ReadFile;
using test::WriteFile;

std::filesystem::path ShippedConfig() { return std::filesystem::path(TX80_SOURCE_DIR) / "data" / "config.ini"; }

// The driver runs (its window shown, or hidden in the tray); a second copy is
// started with a command line on the same desktop.
class DriverCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(ShippedConfig(), driver.dir / "config.ini", std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(ShippedConfig(), caller.dir / "config.ini", std::filesystem::copy_options::overwrite_existing);
  }
  void StartDriver() {
    ASSERT_FALSE(driver.os.singleInstance.AlreadyRunning(u"CNRV_VIruviApp"));
    window = &driver.Start();
    driver.mouse->ClearReports();
  }
  int Run(std::u16string_view line) {
    CNRV_VIruviApp app(caller.context, line);
    EXPECT_FALSE(app.InitInstance());
    return app.ExitCode();
  }
  std::string Output() const {
    const std::u16string text = caller.os.console.Text();
    std::string narrow;
    for (char16_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
  }
  std::string Config(std::u16string_view section, std::u16string_view key) {
    const std::u16string value = ReadProfileString(driver.os.files, driver.dir / "config.ini", section, key, 64);
    return std::string(value.begin(), value.end());
  }
  // The kind of each command sent: report id and command byte.
  std::vector<std::string> Reports() const { return HexPrefixes(driver.mouse->Reports(), 2); }

  SimDesktop desktop;
  MouseProgram driver{desktop};
  MouseProgram caller{desktop};
  SimWindowHost* window = nullptr;
};

// What an apply sends: seven buttons, the wheel, DPI and LED, the fire time.
const std::vector<std::string> kProfileCommands = {"07 10", "07 10", "07 10", "07 10", "07 10",
                                                   "07 10", "07 10", "07 11", "07 09", "07 12"};

TEST_F(DriverCommandsTest, ProfileIsSelectedSentAndRecordedShownOrInTheTray) {
  StartDriver();
  EXPECT_EQ(Run(u"/profile 3"), 0);
  EXPECT_EQ(Output(), "Profile 3 applied.\n");
  EXPECT_EQ(Reports(), kProfileCommands);
  EXPECT_EQ(Config(u"Init", u"CurConfig"), "3");
  EXPECT_EQ(driver.context.profile.CurConfig(), 3);

  driver.dialog.HideToTray();
  driver.mouse->ClearReports();
  EXPECT_EQ(Run(u"/PROFILE 2"), 0);
  EXPECT_EQ(Reports(), kProfileCommands);
  EXPECT_EQ(Config(u"Init", u"CurConfig"), "2");
  EXPECT_FALSE(window->IsVisible());
}

TEST_F(DriverCommandsTest, DpiLevelAsTheDpiButtonsMakeIt) {
  StartDriver();
  EXPECT_EQ(Run(u"/dpi 2"), 0);
  EXPECT_EQ(Output(), "DPI level 2: 1600 dpi.\n");
  EXPECT_EQ(HexPrefixes(driver.mouse->Reports(), 4), std::vector<std::string>{"07 09 01 A0"});
  EXPECT_EQ(Config(u"Config1", u"DPI_LEVEL"), "1");
  EXPECT_EQ(driver.context.profile.Fields().DPI_LEVEL, 1);
  const auto notices = window->Queued();
  EXPECT_TRUE(std::any_of(notices.begin(), notices.end(), [](const fw::Message& m) { return m.id == kOnScreenNoticeMessage; }));
}

TEST_F(DriverCommandsTest, ADpiLevelSwitchedOffChangesNothing) {
  ASSERT_TRUE(WriteProfileString(driver.os.files, driver.dir / "config.ini", u"Config1", u"DPI_SET_EN3", u"0"));
  StartDriver();
  EXPECT_EQ(Run(u"/dpi 3"), 2);
  EXPECT_EQ(Output(), "DPI level 3 is switched off in profile 1; nothing was changed.\n");
  EXPECT_TRUE(Reports().empty());
  EXPECT_EQ(Config(u"Config1", u"DPI_LEVEL"), "0");
}

TEST_F(DriverCommandsTest, ApplyAndStatus) {
  StartDriver();
  EXPECT_EQ(Run(u"/apply"), 0);
  EXPECT_EQ(Reports(), kProfileCommands);
  caller.os.console.Clear();
  EXPECT_EQ(Run(u"/status"), 0);
  EXPECT_EQ(Output(), "profile: 1\ndpi level: 1\nresolution: 1200 dpi\ndriver: waiting for the start click\nprogram folder: " +
                          driver.dir.path().string() + "\nsettings folder: " + driver.dir.path().string() + "\n");
}

TEST_F(DriverCommandsTest, BadArgumentsSendNothing) {
  StartDriver();
  for (std::u16string_view line : {u"/profile 9", u"/dpi", u"/frob", u"/apply 1"}) {
    caller.os.console.Clear();
    EXPECT_EQ(Run(line), 2);
    EXPECT_NE(Output().find("Usage: TX80.exe [/profile N"), std::string::npos) << Output();
  }
  EXPECT_TRUE(Reports().empty());
  EXPECT_EQ(Config(u"Init", u"CurConfig"), "1");
}

TEST_F(DriverCommandsTest, WithNoCopyRunningOnlyHelpAndTheFileCommandsWork) {
  EXPECT_EQ(Run(u"/profile 1"), 3);
  EXPECT_EQ(Output(), "TX80 is not running.\n");
  caller.os.console.Clear();
  EXPECT_EQ(Run(u"/help"), 0);
  EXPECT_NE(Output().find("TX80.exe /restore FILE"), std::string::npos);
  EXPECT_EQ(Run((u"/backup \"" + (caller.dir / "b.ini").u16string() + u"\"")), 0);
  EXPECT_EQ(Run((u"/restore \"" + (caller.dir / "b.ini").u16string() + u"\"")), 0);
  // The mutex was let go: the driver can start after them.
  EXPECT_FALSE(caller.os.singleInstance.AlreadyRunning(u"CNRV_VIruviApp"));
}

TEST_F(DriverCommandsTest, NoBackupOfSettingsARestoreWouldRefuse) {
  const std::filesystem::path config = caller.dir / "config.ini";
  ASSERT_TRUE(WriteProfileString(caller.os.files, config, u"Config5", u"K1", u"3"));  // no left click left
  const std::filesystem::path backup = caller.dir / "b.ini";
  EXPECT_EQ(Run(u"/backup " + backup.u16string()), 2);
  EXPECT_EQ(Output(), "No backup written to \"" + backup.string() + "\": in \"" + config.string() +
                          "\", profile 5 gives no button the left click.\n");
  EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST_F(DriverCommandsTest, HelpInChinese) {
  ASSERT_TRUE(WriteProfileString(caller.os.files, caller.dir / "config.ini", u"Init", u"VER_SEL", u"0"));
  EXPECT_EQ(Run(u"/help"), 0);
  EXPECT_NE(caller.os.console.Text().find(u"选择配置 N"), std::u16string::npos);
}

// The running copy shows the other caption, and answers in its language.
TEST_F(DriverCommandsTest, ADriverInChineseTakesCommandsToo) {
  ASSERT_TRUE(WriteProfileString(driver.os.files, driver.dir / "config.ini", u"Init", u"VER_SEL", u"0"));
  StartDriver();
  EXPECT_EQ(Run(u"/apply"), 0);
  EXPECT_EQ(caller.os.console.Text(), u"已应用配置 1。\n");
  EXPECT_EQ(Reports(), kProfileCommands);
}

TEST_F(DriverCommandsTest, WithoutTheMouseNothingChanges) {
  StartDriver();
  driver.context.driver.device.Disconnect(driver.context.platform.hid);
  for (std::u16string_view line : {u"/profile 2", u"/dpi 2", u"/apply"}) EXPECT_EQ(Run(line), 4);
  EXPECT_TRUE(Reports().empty());
  EXPECT_EQ(Config(u"Init", u"CurConfig"), "1");
  EXPECT_EQ(Config(u"Config1", u"DPI_LEVEL"), "0");
  caller.os.console.Clear();
  EXPECT_EQ(Run(u"/status"), 0);
  EXPECT_NE(Output().find("driver: mouse absent\n"), std::string::npos);
}

TEST_F(DriverCommandsTest, RestoreThroughTheDriverReloadsAndApplies) {
  StartDriver();
  const std::filesystem::path backup = caller.dir / "setup.ini";
  ASSERT_TRUE(WriteProfileStrings(driver.os.files, driver.dir / "config.ini",
                                  std::vector<ProfileWrite>{{u"Init", u"CurConfig", u"4"}, {u"Config4", u"K2", u"43"}}));
  WriteFile(driver.dir / "Macro_EN.dat", "[Macros]\r\nmacroNum=1\r\n0=" + std::string(3192, '0') + "\r\n");
  EXPECT_EQ(Run(u"/backup " + backup.u16string()), 0);
  EXPECT_EQ(ReadProfileString(caller.os.files, backup, u"Config4", u"K2", 8), u"43");

  // Changed since, and a rule added.
  ASSERT_TRUE(WriteProfileStrings(driver.os.files, driver.dir / "config.ini",
                                  std::vector<ProfileWrite>{{u"Init", u"CurConfig", u"2"},
                                                            {u"Config4", u"K2", u"2"},
                                                            {u"AppProfiles", u"game.exe", u"1"}}));
  WriteFile(driver.dir / "Macro_EN.dat", "[Macros]\r\nmacroNum=0\r\n");
  driver.mouse->ClearReports();
  caller.os.console.Clear();
  EXPECT_EQ(Run(u"/restore " + backup.u16string()), 0);
  EXPECT_EQ(Output(), "Settings restored from \"" + backup.string() + "\". Profile 4 applied.\n");
  EXPECT_EQ(Config(u"Init", u"CurConfig"), "4");
  EXPECT_EQ(Config(u"Config4", u"K2"), "43");
  EXPECT_EQ(Config(u"AppProfiles", u"game.exe"), "");
  EXPECT_EQ(driver.context.profile.CurConfig(), 4);
  EXPECT_EQ(driver.context.macros.MacroCount(), 1);
  EXPECT_EQ(Reports().size(), kProfileCommands.size());
}

TEST_F(DriverCommandsTest, ADamagedBackupIsRefusedByTheDriver) {
  StartDriver();
  const std::filesystem::path backup = caller.dir / "setup.ini";
  WriteFile(backup, "[TX80Backup]\r\nFormat=1\r\n[Init]\r\nCurConfig=1\r\n");
  const std::string before = ReadFile(driver.dir / "config.ini");
  EXPECT_EQ(Run(u"/restore " + backup.u16string()), 2);
  EXPECT_EQ(Output(), "Not restored from \"" + backup.string() + "\": section [Config1] is missing; nothing was changed.\n");
  EXPECT_EQ(ReadFile(driver.dir / "config.ini"), before);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(DriverCommandsTest, TrayMenuBacksUpAndRestoresThroughTheFileDialogs) {
  StartDriver();
  const std::filesystem::path backup = driver.dir / "tray-backup.ini";
  driver.os.dialogs.fileChoices = {backup};
  window->Deliver({fw::msg::kCommand, BackupMenuCommands::kBackUpSettings, 0, true});
  ASSERT_EQ(driver.os.dialogs.FileDialogs().size(), 1u);
  EXPECT_TRUE(driver.os.dialogs.FileDialogs()[0].save);
  EXPECT_EQ(driver.os.dialogs.FileDialogs()[0].defaultExtension, u"ini");
  EXPECT_EQ(ReadProfileString(driver.os.files, backup, u"TX80Backup", u"Format", 4), u"1");

  ASSERT_TRUE(WriteProfileString(driver.os.files, backup, u"Config5", u"K1", u"3"));  // no left click left
  driver.os.dialogs.fileChoices = {backup};
  window->Deliver({fw::msg::kCommand, BackupMenuCommands::kRestoreSettings, 0, true});
  ASSERT_EQ(driver.os.dialogs.Messages().size(), 2u);
  EXPECT_EQ(driver.os.dialogs.Messages()[1].text,
            u"Not restored from \"" + backup.u16string() +
                u"\": profile 5 gives no button the left click; nothing was changed.");
  EXPECT_TRUE(Reports().empty());

  driver.os.dialogs.fileChoices = {std::nullopt};  // cancelled
  window->Deliver({fw::msg::kCommand, BackupMenuCommands::kRestoreSettings, 0, true});
  EXPECT_EQ(driver.os.dialogs.Messages().size(), 2u);
}

}  // namespace
}  // namespace tx80
