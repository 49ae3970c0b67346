#include "framework/PrivateProfile.h"

#include <gtest/gtest.h>

#include "platform/sim/SimClock.h"
#include "platform/sim/SimFileStore.h"
#include "profile/SettingsFile.h"
#include "support/TempDir.h"

namespace tx80 {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string Utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

class PrivateProfileTest : public ::testing::Test {
 protected:
  std::u16string Read(std::u16string_view section, std::u16string_view key, std::size_t buffer = 260) {
    return ReadProfileString(files, file, section, key, buffer);
  }
  bool Write(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    return WriteProfileString(files, file, section, key, value);
  }

  TempDir dir;
  std::filesystem::path file = dir / "config.ini";
  SimClock clock;
  SimFileStore files{clock};
};

TEST_F(PrivateProfileTest, ReadsWithTheFileRules) {
  WriteFile(file, "[Other]\r\nK1=9\r\n[Config1]\r\n  k1 =  12  \r\nEMPTY=\r\nLONG=123456789\r\n[config1]\r\nK2=5\r\n");
  EXPECT_EQ(Read(u"CONFIG1", u"K1", 5), u"12");  // names match without regard to case
  EXPECT_EQ(Read(u"Config1", u"LONG", 5), u"1234");  // buffer counts the terminator
  EXPECT_EQ(Read(u"Config1", u"LONG", 10), u"123456789");
  EXPECT_EQ(Read(u"Config1", u"EMPTY", 5), u"");
  EXPECT_EQ(Read(u"Config1", u"K2", 5), u"");  // first section of that name only
  EXPECT_EQ(Read(u"Config1", u"MISSING", 5), u"");
  EXPECT_EQ(Read(u"Missing", u"K1", 5), u"");
  EXPECT_EQ(ReadProfileString(files, dir / "absent.ini", u"Config1", u"K1", 5), u"");
}

TEST_F(PrivateProfileTest, OnePairOfMatchingQuotesIsTakenOff) {
  WriteFile(file,
            "[T]\n"
            "double= \"  a,b  \" \n"
            "single='x'\n"
            "mixed=\"x'\n"
            "lone=\"\n"
            "empty=\"\"\n"
            "inner=\"a\"b\"\n"
            "open=\"abc\n"
            "long=\"abcdef\"\n");
  const struct {
    std::u16string_view key;
    std::size_t buffer;
    std::u16string_view value;
  } cases[] = {
      {u"double", 260, u"  a,b  "},  // blanks outside the quotes go, inside they stay
      {u"single", 260, u"x"},
      {u"mixed", 260, u"\"x'"},
      {u"lone", 260, u"\""},
      {u"empty", 260, u""},
      {u"inner", 260, u"a\"b"},
      {u"open", 260, u"\"abc"},
      // The cut applies to the text inside the quotes: the buffer holds what
      // the value says, not its quoting.
      {u"long", 5, u"abcd"},
      {u"long", 7, u"abcdef"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(u"T", c.key, c.buffer), c.value) << std::string(c.key.begin(), c.key.end());
}

TEST_F(PrivateProfileTest, ReadsUtf16WithMarkUtf8AndTheCodePage) {
  WriteFile(file, Utf16File(u"[BUTTONPOS]\r\n0=name,1,2,3,4,宏编程,\r\n"));
  EXPECT_EQ(Read(u"buttonpos", u"0"), u"name,1,2,3,4,宏编程,");
  WriteFile(file, "\xEF\xBB\xBF[A]\nkey=宏\n");
  EXPECT_EQ(Read(u"A", u"key"), u"宏");
  WriteFile(file, "[A]\nkey=宏\n");
  EXPECT_EQ(Read(u"A", u"key"), u"宏");
  // Not UTF-8 and no mark: the system's code page (Latin-1 on this backend).
  WriteFile(file, "[A]\nkey=\xC4\xE3\n");
  EXPECT_EQ(Read(u"A", u"key"), u"\u00C4\u00E3");
}

TEST_F(PrivateProfileTest, WriteReplacesInPlaceAndLeavesOtherLines) {
  WriteFile(file, "; settings\r\n[Config1]\r\nK2=7\r\nK1=5\r\n\r\n[Init]\r\nCurConfig=1\r\n");
  ASSERT_TRUE(Write(u"config1", u"k1", u"9"));
  EXPECT_EQ(ReadFile(file), "; settings\r\n[Config1]\r\nK2=7\r\nk1=9\r\n\r\n[Init]\r\nCurConfig=1\r\n");
}

TEST_F(PrivateProfileTest, WriteAddsMissingKeyAtSectionEndAndMissingSectionAtFileEnd) {
  WriteFile(file, "[Config1]\nK1=5\n\n[Init]\nCurConfig=1\n");
  ASSERT_TRUE(Write(u"Config1", u"K2", u"6"));
  ASSERT_TRUE(Write(u"Config6", u"K1", u"1"));
  EXPECT_EQ(ReadFile(file), "[Config1]\nK1=5\nK2=6\n\n[Init]\nCurConfig=1\n[Config6]\nK1=1\n");
}

TEST_F(PrivateProfileTest, WriteCreatesAMissingFileAsPlainText) {
  ASSERT_TRUE(Write(u"Init", u"CurConfig", u"0"));
  EXPECT_EQ(ReadFile(file), "[Init]\r\nCurConfig=0\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "config.ini.new"));
}

TEST_F(PrivateProfileTest, WriteKeepsAUtf16File) {
  WriteFile(file, Utf16File(u"[A]\r\nx=1\r\n"));
  ASSERT_TRUE(Write(u"A", u"x", u"宏"));
  EXPECT_EQ(ReadFile(file), Utf16File(u"[A]\r\nx=宏\r\n"));
}

// Lines the program does not write keep their bytes, whatever they hold; in a
// file of the code page, the text written is in the code page too.
TEST_F(PrivateProfileTest, WriteKeepsEveryByteItDoesNotChange) {
  const struct {
    const char* name;
    std::string before;
    std::u16string_view value;
    std::string after;
  } cases[] = {
      {"code page (a Chinese editor's file)", "[Init]\r\n; \xC4\xE3\xBA\xC3\r\nCurConfig=1\r\nName=\xC4\xE3\r\n", u"\u00E9",
       "[Init]\r\n; \xC4\xE3\xBA\xC3\r\nCurConfig=\xE9\r\nName=\xC4\xE3\r\n"},
      {"UTF-8 mark, a stray byte", "\xEF\xBB\xBF[Init]\n; \xFF caf\xC3\xA9\nCurConfig=1\n", u"\u00E9",
       "\xEF\xBB\xBF[Init]\n; \xFF caf\xC3\xA9\nCurConfig=\xC3\xA9\n"},
      {"UTF-16, odd last byte", Utf16File(u"[Init]\r\nCurConfig=1\r\n") + "\x41", u"2",
       Utf16File(u"[Init]\r\nCurConfig=2\r\n") + "\x41"},
      {"mixed line ends", "[X]\rA=1\n[Init]\r\nCurConfig=1", u"2", "[X]\rA=1\n[Init]\r\nCurConfig=2"},
  };
  for (const auto& c : cases) {
    WriteFile(file, c.before);
    EXPECT_TRUE(Write(u"Init", u"CurConfig", c.value)) << c.name;
    EXPECT_EQ(ReadFile(file), c.after) << c.name;
  }
}

TEST_F(PrivateProfileTest, WhatCannotBeStoredIsNotWritten) {
  const std::string codePage = "[Init]\r\nName=\xC4\xE3\r\n";
  WriteFile(file, codePage);
  EXPECT_FALSE(Write(u"Init", u"Name", u"宏"));  // not in the code page: nothing approximated
  EXPECT_FALSE(Write(u"Init", u"CurConfig", u"1\r\n[Config1]"));
  EXPECT_FALSE(Write(u"Init\n", u"CurConfig", u"1"));
  EXPECT_EQ(ReadFile(file), codePage);
  EXPECT_EQ(files.Replacements(file), 0);
}

// Half a surrogate pair is no character: UTF-8 carries it as U+FFFD, as every
// UTF-8 encoder does; a UTF-16 file keeps the unit as it is.
TEST_F(PrivateProfileTest, ALoneSurrogateHalfIsStoredAsUtf8CanCarryIt) {
  const std::u16string value{u'a', char16_t{0xD900}, u'b'};
  WriteFile(file, "[A]\r\nx=1\r\n");
  ASSERT_TRUE(Write(u"A", u"x", value));
  EXPECT_EQ(ReadFile(file), "[A]\r\nx=a\xEF\xBF\xBD" "b\r\n");
  EXPECT_EQ(Read(u"A", u"x"), u"a\uFFFDb");

  WriteFile(file, Utf16File(u"[A]\r\nx=1\r\n"));
  ASSERT_TRUE(Write(u"A", u"x", value));
  EXPECT_EQ(Read(u"A", u"x"), value);
}

TEST_F(PrivateProfileTest, AFileThatCannotBeReadIsNotReplaced) {
  class UnreadableFiles : public SimFileStore {
   public:
    using SimFileStore::SimFileStore;
    Content Read(const std::filesystem::path&) override { return {Content::Status::Unreadable, {}}; }
  } unreadable(clock);
  WriteFile(file, "[Init]\nCurConfig=1\n[Config1]\nK1=5\n");
  EXPECT_FALSE(WriteProfileString(unreadable, file, u"Init", u"CurConfig", u"2"));
  EXPECT_EQ(unreadable.Replacements(file), 0);
}

TEST_F(PrivateProfileTest, AWriteThatChangesNothingLeavesTheFileAlone) {
  WriteFile(file, "[Init]\nCurConfig=1\n");
  EXPECT_TRUE(Write(u"Init", u"CurConfig", u"1"));
  const std::vector<ProfileWrite> writes{{u"Init", u"CurConfig", u"2"}, {u"Init", u"CurConfig", u"1"}};
  EXPECT_TRUE(WriteProfileStrings(files, file, writes));
  EXPECT_EQ(files.Replacements(file), 0);
}

// A batch gives exactly the bytes of the same writes made one by one, from any
// starting file, in one replacement.
TEST_F(PrivateProfileTest, BatchGivesTheBytesOfKeyByKeyWrites) {
  ProfileFields fields;
  fields.K = {1, 2, 3, 41, -4, 18, 17};
  fields.DPI_SET = {1, 2, 4, 0};
  fields.DPI_SET_EN = {1, 1, 0, 1};
  fields.FIRE_TIME = 300;
  std::vector<ProfileWrite> writes = AppliedProfileWrites(fields, 3);
  writes.push_back({u"init", u"curconfig", u"4"});  // the same key, spelled otherwise
  writes.push_back({u"Config3", u"K1", u"1"});       // as it already is
  writes.push_back({u"Extra", u"Name", u"caf\u00E9"});
  writes.push_back({u"Init", u"CurConfig", u"3"});

  const struct {
    const char* name;
    std::optional<std::string> bytes;  // nullopt: no file
  } starts[] = {
      {"missing", std::nullopt},
      {"empty", ""},
      {"UTF-16 with mark", Utf16File(u"; 宏\r\n[Init]\r\nCurConfig=1\r\n[Config3]\r\nK2=7\r\n")},
      {"UTF-8 with mark", "\xEF\xBB\xBF; 宏\n[Init]\nCurConfig=1\n"},
      {"UTF-8 without mark", "; 宏\r\n[Config6]\r\nK1=9\r\n"},
      {"code page", "; \xC4\xE3\r\n[Init]\r\nCurConfig=1\r\n"},
      {"code page, its only odd byte replaced", "[Init]\r\nCurConfig=\xE9\r\n"},
      {"keys in another order", "[Config3]\nFIRE_TIME=1\nK7=1\nDPI_LEVEL=2\nK1=9\n"},
      {"other sections only", "[CfgReset2]\nK1=2\n[Other]\nx=1\n"},
      {"duplicate keys and sections", "[Config6]\nK1=1\nK1=2\n[Config6]\nK2=5\n[Init]\nCurConfig=1\nCurConfig=2\n"},
      {"CR line ends", "[Init]\rCurConfig=1\r[Config3]\rK1=5\r"},
      {"LF line ends", "[Init]\nCurConfig=1\n[Config3]\nK1=5\n"},
      {"mixed line ends", "[Init]\r\nCurConfig=1\n[Config3]\rK1=5\r\n"},
      {"no final line end", "[Init]\r\nCurConfig=1\r\n[Config3]\r\nK1=5"},
      {"blank lines closing sections", "[Config6]\nK1=1\n\n\n[Init]\nCurConfig=1\n\n"},
      {"comments and loose lines", "[Init]\n; note\nnot a key\nCurConfig = 1 \n[ Config3 ]\nK1 = 5\n"},
  };
  for (const auto& start : starts) {
    const auto one = dir / "one.ini";
    const auto all = dir / "all.ini";
    for (const auto& path : {one, all}) {
      std::filesystem::remove(path);
      if (start.bytes) WriteFile(path, *start.bytes);
    }
    for (const ProfileWrite& write : writes)
      ASSERT_TRUE(WriteProfileString(files, one, write.section, write.key, write.value)) << start.name;
    const int before = files.Replacements(all);
    ASSERT_TRUE(WriteProfileStrings(files, all, writes)) << start.name;
    EXPECT_EQ(ReadFile(all), ReadFile(one)) << start.name;
    EXPECT_EQ(files.Replacements(all), before + 1) << start.name;
  }
}

TEST_F(PrivateProfileTest, ABatchIsWrittenWholeOrNotAtAll) {
  const std::string before = "[Init]\r\nName=\xC4\xE3\r\n";
  WriteFile(file, before);
  const std::vector<ProfileWrite> writes{{u"Init", u"CurConfig", u"2"}, {u"Init", u"Name", u"宏"}};
  EXPECT_FALSE(WriteProfileStrings(files, file, writes));
  EXPECT_EQ(ReadFile(file), before);
}

TEST_F(PrivateProfileTest, ARenameRefusedByAnotherProgramIsRetriedBriefly) {
  WriteFile(file, "[Init]\nCurConfig=1\n");
  files.HoldWithoutDeleteSharing(file, 3);
  ASSERT_TRUE(Write(u"Init", u"CurConfig", u"2"));
  EXPECT_EQ(Read(u"Init", u"CurConfig"), u"2");
  EXPECT_EQ(clock.ElapsedMs(), 3 * kReplaceRetryMs);

  files.HoldWithoutDeleteSharing(file);
  EXPECT_FALSE(Write(u"Init", u"CurConfig", u"3"));
  EXPECT_EQ(Read(u"Init", u"CurConfig"), u"2");
  EXPECT_EQ(clock.ElapsedMs(), (3 + kReplaceAttempts - 1) * kReplaceRetryMs);  // bounded
  EXPECT_FALSE(std::filesystem::exists(dir / "config.ini.new"));

  files.Release(file);
  EXPECT_TRUE(Write(u"Init", u"CurConfig", u"3"));
  EXPECT_EQ(Read(u"Init", u"CurConfig"), u"3");
}

TEST_F(PrivateProfileTest, WriteIntoAFolderThatRefusesWritesOrIsMissingFails) {
  WriteFile(file, "[Init]\nCurConfig=1\n");
  files.RefuseWrites(dir.path(), true);
  EXPECT_FALSE(Write(u"Init", u"CurConfig", u"2"));
  EXPECT_EQ(ReadFile(file), "[Init]\nCurConfig=1\n");
  EXPECT_FALSE(WriteProfileString(files, dir / "no-such-folder" / "config.ini", u"A", u"x", u"2"));
  EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

TEST_F(PrivateProfileTest, ReadsAWholeSectionInFileOrder) {
  WriteFile(file, "[AppProfiles]\r\n Game.exe = 3 \r\n; note\r\nempty.exe=\r\nq.exe=\"2\"\r\n\r\n[Init]\r\nCurConfig=1\r\n");
  using Entries = std::vector<std::pair<std::u16string, std::u16string>>;
  EXPECT_EQ(ReadProfileSection(files, file, u"appprofiles"),
            (Entries{{u"Game.exe", u"3"}, {u"empty.exe", u""}, {u"q.exe", u"2"}}));
  EXPECT_TRUE(ReadProfileSection(files, file, u"Missing").empty());
  EXPECT_TRUE(ReadProfileSection(files, dir / "absent.ini", u"AppProfiles").empty());
}

TEST_F(PrivateProfileTest, RemovesEveryLineOfAKeyAndLeavesTheRest) {
  WriteFile(file, "[AppProfiles]\r\ngame.exe=3\r\nother.exe=2\r\nGame.exe=4\r\n[Init]\r\ngame.exe=1\r\n");
  ASSERT_TRUE(RemoveProfileKey(files, file, u"AppProfiles", u"GAME.EXE"));
  EXPECT_EQ(ReadFile(file), "[AppProfiles]\r\nother.exe=2\r\n[Init]\r\ngame.exe=1\r\n");
  EXPECT_TRUE(RemoveProfileKey(files, file, u"AppProfiles", u"missing.exe"));
  EXPECT_EQ(files.Replacements(file), 1);
  EXPECT_TRUE(RemoveProfileKey(files, dir / "absent.ini", u"AppProfiles", u"game.exe"));
  EXPECT_FALSE(std::filesystem::exists(dir / "absent.ini"));
}

}  // namespace
}  // namespace tx80
