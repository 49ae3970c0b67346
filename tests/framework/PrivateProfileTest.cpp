#include "framework/PrivateProfile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace tx80 {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class PrivateProfileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::filesystem::path file = dir / "config.ini";
};

TEST_F(PrivateProfileTest, ReadsWithTheFileRules) {
  WriteFile(file, "[Other]\r\nK1=9\r\n[Config1]\r\n  k1 =  12  \r\nEMPTY=\r\nLONG=123456789\r\n[config1]\r\nK2=5\r\n");
  EXPECT_EQ(ReadProfileString(file, u"CONFIG1", u"K1", 5), u"12");  // names match without regard to case
  EXPECT_EQ(ReadProfileString(file, u"Config1", u"LONG", 5), u"1234");  // buffer counts the terminator
  EXPECT_EQ(ReadProfileString(file, u"Config1", u"LONG", 10), u"123456789");
  EXPECT_EQ(ReadProfileString(file, u"Config1", u"EMPTY", 5), u"");
  EXPECT_EQ(ReadProfileString(file, u"Config1", u"K2", 5), u"");  // first section of that name only
  EXPECT_EQ(ReadProfileString(file, u"Config1", u"MISSING", 5), u"");
  EXPECT_EQ(ReadProfileString(file, u"Missing", u"K1", 5), u"");
  EXPECT_EQ(ReadProfileString(dir / "absent.ini", u"Config1", u"K1", 5), u"");
}

TEST_F(PrivateProfileTest, ReadsUtf16WithMarkAndUtf8) {
  const std::u16string text = u"[BUTTONPOS]\r\n0=name,1,2,3,4,宏编程,\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  WriteFile(file, bytes);
  EXPECT_EQ(ReadProfileString(file, u"buttonpos", u"0", 260), u"name,1,2,3,4,宏编程,");

  WriteFile(file, "\xEF\xBB\xBF[A]\nkey=宏\n");
  EXPECT_EQ(ReadProfileString(file, u"A", u"key", 260), u"宏");
  WriteFile(file, "[A]\nkey=宏\n");
  EXPECT_EQ(ReadProfileString(file, u"A", u"key", 260), u"宏");
}

TEST_F(PrivateProfileTest, WriteReplacesInPlaceAndLeavesOtherLines) {
  WriteFile(file, "; settings\r\n[Config1]\r\nK2=7\r\nK1=5\r\n\r\n[Init]\r\nCurConfig=1\r\n");
  ASSERT_TRUE(WriteProfileString(file, u"config1", u"k1", u"9"));
  EXPECT_EQ(ReadFile(file), "; settings\r\n[Config1]\r\nK2=7\r\nk1=9\r\n\r\n[Init]\r\nCurConfig=1\r\n");
}

TEST_F(PrivateProfileTest, WriteAddsMissingKeyAtSectionEndAndMissingSectionAtFileEnd) {
  WriteFile(file, "[Config1]\nK1=5\n\n[Init]\nCurConfig=1\n");
  ASSERT_TRUE(WriteProfileString(file, u"Config1", u"K2", u"6"));
  ASSERT_TRUE(WriteProfileString(file, u"Config6", u"K1", u"1"));
  EXPECT_EQ(ReadFile(file), "[Config1]\nK1=5\nK2=6\n\n[Init]\nCurConfig=1\n[Config6]\nK1=1\n");
}

TEST_F(PrivateProfileTest, WriteCreatesAMissingFileAsPlainText) {
  ASSERT_TRUE(WriteProfileString(file, u"Init", u"CurConfig", u"0"));
  EXPECT_EQ(ReadFile(file), "[Init]\r\nCurConfig=0\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "config.ini.new"));
}

TEST_F(PrivateProfileTest, WriteKeepsAUtf16File) {
  std::string bytes = "\xFF\xFE";
  for (char c : std::string("[A]\r\nx=1\r\n")) {
    bytes.push_back(c);
    bytes.push_back('\0');
  }
  WriteFile(file, bytes);
  ASSERT_TRUE(WriteProfileString(file, u"A", u"x", u"宏"));
  const std::string written = ReadFile(file);
  ASSERT_GE(written.size(), 2u);
  EXPECT_EQ(written.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(ReadProfileString(file, u"A", u"x", 5), u"宏");
}

TEST_F(PrivateProfileTest, WriteIntoAMissingFolderReportsFailure) {
  EXPECT_FALSE(WriteProfileString(dir / "no-such-folder" / "config.ini", u"A", u"x", u"2"));
  EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

TEST_F(PrivateProfileTest, ReadsAWholeSectionInFileOrder) {
  WriteFile(file, "[AppProfiles]\r\n Game.exe = 3 \r\n; note\r\nempty.exe=\r\n\r\n[Init]\r\nCurConfig=1\r\n");
  using Entries = std::vector<std::pair<std::u16string, std::u16string>>;
  EXPECT_EQ(ReadProfileSection(file, u"appprofiles"), (Entries{{u"Game.exe", u"3"}, {u"empty.exe", u""}}));
  EXPECT_TRUE(ReadProfileSection(file, u"Missing").empty());
  EXPECT_TRUE(ReadProfileSection(dir / "absent.ini", u"AppProfiles").empty());
}

TEST_F(PrivateProfileTest, RemovesOneKeyAndLeavesTheRest) {
  WriteFile(file, "[AppProfiles]\r\ngame.exe=3\r\nother.exe=2\r\nGame.exe=4\r\n[Init]\r\ngame.exe=1\r\n");
  ASSERT_TRUE(RemoveProfileKey(file, u"AppProfiles", u"GAME.EXE"));
  EXPECT_EQ(ReadFile(file), "[AppProfiles]\r\nother.exe=2\r\n[Init]\r\ngame.exe=1\r\n");
  EXPECT_TRUE(RemoveProfileKey(file, u"AppProfiles", u"missing.exe"));
  EXPECT_TRUE(RemoveProfileKey(dir / "absent.ini", u"AppProfiles", u"game.exe"));
  EXPECT_FALSE(std::filesystem::exists(dir / "absent.ini"));
}

}  // namespace
}  // namespace tx80
