#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands/SettingsBackup.h"
#include "framework/PrivateProfile.h"
#include "macro/MacroFile.h"
#include "macro/MacroStore.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace tx80 {
namespace {

using Reason = BackupRefusal::Reason;
using test::ReadFile;
using test::WriteFile;

SettingsFiles FilesIn(const std::filesystem::path& dir) {
  return {dir / "config.ini", dir / "Macro_EN.dat", dir / "Macro_CN.dat"};
}

void SaveMacros(test::TestFiles& files, const std::filesystem::path& file, std::initializer_list<std::u16string_view> names) {
  MacroStore store;
  for (std::u16string_view name : names) {
    const int index = store.AddMacro(name);
    store.InsertEvent(index, 0, 0x41, 1);
    store.InsertEvent(index, 1, 0x41, 2);
    store.SetDelay(index, 1, 1234);
    store.SetRepeatCount(index, 3);
  }
  ASSERT_TRUE(SaveMacroFile(files, store, file));
}

std::string Sections(test::TestFiles& files, const std::filesystem::path& file,
                     std::initializer_list<std::u16string_view> sections) {
  std::string text;
  for (std::u16string_view section : sections)
    for (const auto& [key, value] : ReadProfileSection(files, file, section))
      text += std::string(key.begin(), key.end()) + "=" + std::string(value.begin(), value.end()) + "\n";
  return text;
}

// A user's setup, the shipped config.ini with options, rules and macros.
class SettingsBackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(source);
    std::filesystem::create_directories(target);
    std::filesystem::copy_file(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "config.ini", source / "config.ini");
    ASSERT_TRUE(WriteProfileStrings(files, source / "config.ini",
                                    std::vector<ProfileWrite>{{u"Init", u"CurConfig", u"3"},
                                                              {u"Config2", u"K4", u"43"},
                                                              {u"Options", u"ON_SCREEN_DISPLAY", u"0"},
                                                              {u"AppProfiles", u"game.exe", u"3"},
                                                              {u"AppProfiles", u"游戏.exe", u"5"}}));
    SaveMacros(files, source / "Macro_EN.dat", {u"Reload", u"Jump"});
    SaveMacros(files, source / "Macro_CN.dat", {u"换弹"});
    ASSERT_EQ(WriteSettingsBackup(files, FilesIn(source), backup), std::nullopt);
  }

  // Every file a restore writes, byte for byte.
  std::string TargetBytes() {
    std::string bytes;
    for (const char* name : {"config.ini", "Macro_EN.dat", "Macro_CN.dat"})
      bytes += std::filesystem::exists(target / name) ? ReadFile(target / name) : "<missing>";
    return bytes;
  }

  test::TempDir dir;
  test::TestFiles files;
  std::filesystem::path source = dir / "source";
  std::filesystem::path target = dir / "fresh";
  std::filesystem::path backup = dir / "backup.ini";
};

TEST_F(SettingsBackupTest, RestoreIntoAFreshFolderGivesTheSameProfilesAndMacros) {
  // The fresh folder's own setup, with a rule the backup does not know.
  std::filesystem::copy_file(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "config.ini", target / "config.ini");
  ASSERT_TRUE(WriteProfileString(files, target / "config.ini", u"AppProfiles", u"other.exe", u"2"));
  SaveMacros(files, target / "Macro_EN.dat", {u"One", u"Two", u"Three"});  // more than the backup holds

  const auto read = ReadSettingsBackup(files, backup);
  ASSERT_TRUE(std::holds_alternative<SettingsBackup>(read));
  EXPECT_EQ(std::get<SettingsBackup>(read).curConfig, 3);
  ASSERT_TRUE(RestoreSettingsBackup(files, FilesIn(target), std::get<SettingsBackup>(read)));

  for (std::u16string_view section : {u"Init", u"Config1", u"Config2", u"Config3", u"Config4", u"Config5",
                                      u"Options", u"AppProfiles"})
    EXPECT_EQ(Sections(files, target / "config.ini", {section}), Sections(files, source / "config.ini", {section}))
        << std::string(section.begin(), section.end());
  // The records as the macro files store them, byte for byte.
  EXPECT_EQ(ReadFile(target / "Macro_EN.dat"), ReadFile(source / "Macro_EN.dat"));
  EXPECT_EQ(ReadFile(target / "Macro_CN.dat"), ReadFile(source / "Macro_CN.dat"));
  // The sections a backup leaves alone stay.
  EXPECT_EQ(Sections(files, target / "config.ini", {u"CfgReset2", u"Config6"}),
            Sections(files, source / "config.ini", {u"CfgReset2", u"Config6"}));
}

TEST_F(SettingsBackupTest, AnEmptyFolderIsRestoredToo) {
  const auto read = ReadSettingsBackup(files, backup);
  ASSERT_TRUE(RestoreSettingsBackup(files, FilesIn(target), std::get<SettingsBackup>(read)));
  EXPECT_EQ(Sections(files, target / "config.ini", {u"Config1", u"Config5", u"AppProfiles"}),
            Sections(files, source / "config.ini", {u"Config1", u"Config5", u"AppProfiles"}));
  EXPECT_EQ(ReadFile(target / "Macro_EN.dat"), ReadFile(source / "Macro_EN.dat"));
}

TEST_F(SettingsBackupTest, ABackupReplacesWhatItsFileHeld) {
  WriteFile(backup, "[AppProfiles]\r\nstale.exe=1\r\n[Mine]\r\nx=1\r\n");
  ASSERT_EQ(WriteSettingsBackup(files, FilesIn(source), backup), std::nullopt);
  EXPECT_EQ(ReadProfileString(files, backup, u"AppProfiles", u"stale.exe", 8), u"");
  EXPECT_TRUE(ReadProfileSection(files, backup, u"Mine").empty());
}

// Cuts a section out of an INI text, header and keys.
std::string WithoutSection(std::string text, const std::string& section) {
  const std::size_t start = text.find("[" + section + "]");
  if (start == std::string::npos) return text;
  const std::size_t end = text.find("\n[", start);
  text.erase(start, end == std::string::npos ? std::string::npos : end + 1 - start);
  return text;
}

TEST_F(SettingsBackupTest, EveryKindOfDamageIsRefusedWithNothingChanged) {
  std::filesystem::copy_file(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "config.ini", target / "config.ini");
  SaveMacros(files, target / "Macro_EN.dat", {u"Mine"});
  const std::string before = TargetBytes();
  const std::string good = ReadFile(backup);
  const std::u16string record(3192, u'0');

  struct Damage {
    const char* what;
    std::function<void()> damage;
    BackupRefusal refusal;
  };
  auto set = [&](std::u16string section, std::u16string key, std::u16string value) {
    return [=, this] { ASSERT_TRUE(WriteProfileString(files, backup, section, key, value)); };
  };
  auto cut = [&](const std::string& section) { return [=, this] { WriteFile(backup, WithoutSection(good, section)); }; };
  const Damage damages[] = {
      {"missing file", [&] { std::filesystem::remove(backup); }, {Reason::Unreadable, {}}},
      {"some other INI file", [&] { WriteFile(backup, "[Config1]\r\nK1=1\r\n"); }, {Reason::NotABackup, {}}},
      {"another format", set(u"TX80Backup", u"Format", u"2"), {Reason::NotABackup, {}}},
      {"no [Init]", cut("Init"), {Reason::MissingSection, u"Init"}},
      {"no profile 3", cut("Config3"), {Reason::MissingSection, u"Config3"}},
      {"no English macros", cut("Macros_EN"), {Reason::MissingSection, u"Macros_EN"}},
      {"no Chinese macros", cut("Macros_CN"), {Reason::MissingSection, u"Macros_CN"}},
      {"current profile 6", set(u"Init", u"CurConfig", u"6"), {Reason::NoCurrentProfile, u"Init"}},
      {"no left click", set(u"Config2", u"K1", u"2"), {Reason::NoLeftClick, u"Config2", 2}},
      {"every DPI level off",
       [&] {
         for (std::u16string_view key : {u"DPI_SET_EN1", u"DPI_SET_EN2", u"DPI_SET_EN3", u"DPI_SET_EN4"})
           ASSERT_TRUE(WriteProfileString(files, backup, u"Config4", key, u"0"));
       },
       {Reason::NoDpiLevelOn, u"Config4", 4}},
      {"macro count 13", set(u"Macros_EN", u"macroNum", u"13"), {Reason::BadMacroCount, u"Macros_EN"}},
      {"macro count not a number", set(u"Macros_CN", u"macroNum", u"1x"), {Reason::BadMacroCount, u"Macros_CN"}},
      {"a record missing", set(u"Macros_EN", u"macroNum", u"3"), {Reason::BadMacroRecord, u"Macros_EN", 0, 2}},
      {"a record cut short", set(u"Macros_EN", u"1", record.substr(1)), {Reason::BadMacroRecord, u"Macros_EN", 0, 1}},
      {"a field above 255", set(u"Macros_CN", u"0", u"256" + record.substr(3)), {Reason::BadMacroRecord, u"Macros_CN"}},
      {"a field not digits", set(u"Macros_EN", u"0", u"0a0" + record.substr(3)), {Reason::BadMacroRecord, u"Macros_EN"}},
  };
  for (const Damage& d : damages) {
    WriteFile(backup, good);
    d.damage();
    const auto read = ReadSettingsBackup(files, backup);
    ASSERT_TRUE(std::holds_alternative<BackupRefusal>(read)) << d.what;
    EXPECT_EQ(std::get<BackupRefusal>(read), d.refusal) << d.what;
    EXPECT_EQ(TargetBytes(), before) << d.what;
  }
}

// A backup is only worth writing when its restore would take it.
TEST_F(SettingsBackupTest, SettingsARestoreWouldRefuseGiveNoBackup) {
  const std::filesystem::path config = source / "config.ini";
  const std::string good = ReadFile(config);
  struct Case {
    const char* what;
    std::function<void()> damage;
    BackupRefusal refusal;
  };
  const Case cases[] = {
      {"no config.ini", [&] { std::filesystem::remove(config); }, {Reason::Unreadable, {}}},
      {"no profile 3", [&] { WriteFile(config, WithoutSection(good, "Config3")); }, {Reason::MissingSection, u"Config3"}},
      {"current profile 0", [&] { ASSERT_TRUE(WriteProfileString(files, config, u"Init", u"CurConfig", u"0")); },
       {Reason::NoCurrentProfile, u"Init"}},
      {"no left click", [&] { ASSERT_TRUE(WriteProfileString(files, config, u"Config2", u"K1", u"2")); },
       {Reason::NoLeftClick, u"Config2", 2}},
      {"the backup held by another program", [&] { files.HoldWithoutDeleteSharing(backup); }, {Reason::Unwritable, {}}},
  };
  for (const Case& c : cases) {
    WriteFile(config, good);
    WriteFile(backup, "an older backup");
    c.damage();
    EXPECT_EQ(WriteSettingsBackup(files, FilesIn(source), backup), c.refusal) << c.what;
    files.Release(backup);
    EXPECT_EQ(ReadFile(backup), "an older backup") << c.what;
  }
}

TEST_F(SettingsBackupTest, AFileThatCannotBeSavedPutsBackTheOthers) {
  std::filesystem::copy_file(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "config.ini", target / "config.ini");
  SaveMacros(files, target / "Macro_EN.dat", {u"Mine"});
  SaveMacros(files, target / "Macro_CN.dat", {u"我的"});
  const std::string before = TargetBytes();
  // The last file written is held by another program past the retries.
  files.HoldWithoutDeleteSharing(target / "Macro_CN.dat");
  const auto read = ReadSettingsBackup(files, backup);
  EXPECT_FALSE(RestoreSettingsBackup(files, FilesIn(target), std::get<SettingsBackup>(read)));
  files.Release(target / "Macro_CN.dat");
  EXPECT_EQ(TargetBytes(), before);
}

}  // namespace
}  // namespace tx80
