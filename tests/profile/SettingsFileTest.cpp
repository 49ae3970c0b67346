#include "profile/SettingsFile.h"

#include <gtest/gtest.h>

#include "framework/PrivateProfile.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimFileStore.h"
#include "support/TempDir.h"

namespace tx80 {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class SettingsFileTest : public ::testing::Test {
 protected:
  ProfileFields Load(const std::string& section, int32_t profile = 1, bool factory = false) {
    WriteFile(file, section);
    LoadProfile(files, model, file, profile, factory);
    return model.Fields();
  }

  TempDir dir;
  std::filesystem::path file = dir / "config.ini";
  SimClock clock;
  SimFileStore files{clock};
  ProfileModel model;
};

TEST_F(SettingsFileTest, ConvertsAndCutsValuesAsRead) {
  const ProfileFields f = Load(
      "[Config1]\n"
      "K1=  12\nK2=12ab\nK3=abc\nK4=-3\n"
      "FIRE_TIME=12345\n"
      "DPI_SET1=1234567891\n"   // nine characters are read: 123456789, low byte 0x15
      "DPI_SET2=260\n"          // low 8 bits: 4
      "DPI_SET_EN1=7\nDPI_SET_EN2=0\n"
      "DPI_SPEED=260\nLED_STATUS=259\n");
  EXPECT_EQ(f.K[0], 12);
  EXPECT_EQ(f.K[1], 12);
  EXPECT_EQ(f.K[2], 0);
  EXPECT_EQ(f.K[3], -3);
  EXPECT_EQ(f.FIRE_TIME, 1234);
  EXPECT_EQ(f.DPI_SET[0], 123456789 & 0xFF);
  EXPECT_EQ(f.DPI_SET[1], 4);
  EXPECT_EQ(f.DPI_SET_EN[0], 1);
  EXPECT_EQ(f.DPI_SET_EN[1], 0);
  EXPECT_EQ(f.DPI_SPEED, 4);
  EXPECT_EQ(f.LED_STATUS, 3);
  const ProfileState state = model.Snapshot();
  EXPECT_EQ(state.ActiveDpiSet, f.DPI_SET);
  EXPECT_EQ(state.DpiStepRegion[1], 4 + 60 + 5);
}

TEST_F(SettingsFileTest, MissingFileOrSectionGivesZeros) {
  LoadProfile(files, model, dir / "absent.ini", 1, false);
  EXPECT_EQ(model.Fields(), ProfileFields{});
  EXPECT_EQ(Load("[Config2]\nK1=4\n", 3), ProfileFields{});
}

TEST_F(SettingsFileTest, FactorySectionOfProfileFiveDependsOnEnglishExactly) {
  const std::string sections = "[CfgReset5]\nK1=5\n[CfgReset_EN5]\nK1=55\n[CfgReset3]\nK1=3\n";
  const struct {
    int32_t language;
    int32_t profile;
    int32_t k1;
  } cases[] = {{1, 5, 55}, {0, 5, 5}, {2, 5, 5}, {1, 3, 3}};
  for (const auto& c : cases) {
    model.SetLanguageFlag(c.language);
    EXPECT_EQ(Load(sections, c.profile, true).K[0], c.k1) << c.language << " " << c.profile;
  }
}

TEST_F(SettingsFileTest, SaveWritesEveryKeyInOrder) {
  model.SetFactoryDefaults();
  ProfileFields f = model.Fields();
  f.LED_STATUS = 3;
  f.FIRE_TIME = 300;
  ASSERT_TRUE(SaveProfile(files, f, file, 2));
  EXPECT_EQ(files.Replacements(file), 1);  // the whole profile in one save
  EXPECT_EQ(ReadFile(file),
            "[Config2]\r\nK1=1\r\nK2=2\r\nK3=3\r\nK4=5\r\nK5=4\r\nK6=18\r\nK7=17\r\nDPI_LEVEL=0\r\n"
            "WHEEL_STATUS=0\r\nMACRO_MODE2=0\r\nDPI_SET1=1\r\nDPI_SET_EN1=1\r\nDPI_SET2=2\r\nDPI_SET_EN2=1\r\n"
            "DPI_SET3=4\r\nDPI_SET_EN3=1\r\nDPI_SET4=0\r\nDPI_SET_EN4=1\r\nLED_STATUS=3\r\nDPI_SPEED=4\r\n"
            "WHEEL_SPEED=2\r\nFIRE_TIME=300\r\n");
  LoadProfile(files, model, file, 2, false);
  EXPECT_EQ(model.Fields(), f);
}

TEST_F(SettingsFileTest, SaveKeepsTheOrderOfAnExistingSection) {
  WriteFile(file, "[Config1]\nFIRE_TIME=1\nK1=9\n");
  model.SetFactoryDefaults();
  SaveProfile(files, model.Fields(), file, 1);
  const std::string text = ReadFile(file);
  EXPECT_EQ(text.rfind("[Config1]\nFIRE_TIME=50\nK1=1\nK2=2\n", 0), 0u) << text;
}

TEST_F(SettingsFileTest, InitKeys) {
  EXPECT_EQ(ReadCurConfig(files, file), 0);
  EXPECT_EQ(ReadLanguage(files, file), 0);
  WriteFile(file, "[Init]\nCurConfig=3\nVER_SEL=256\n");
  EXPECT_EQ(ReadCurConfig(files, file), 3);
  EXPECT_EQ(ReadLanguage(files, file), 0);  // low 8 bits
  EXPECT_TRUE(WriteLanguage(files, file, 1));
  EXPECT_TRUE(SaveDpiLevel(files, 2, file, 5));
  EXPECT_EQ(ReadLanguage(files, file), 1);
  EXPECT_EQ(ReadProfileString(files, file, u"Config5", u"DPI_LEVEL", 5), u"2");
}

TEST_F(SettingsFileTest, AnApplyIsRecordedInOneSave) {
  WriteFile(file, "[Init]\nVER_SEL=1\nCurConfig=1\n");
  model.SetFactoryDefaults();
  ASSERT_TRUE(SaveAppliedProfile(files, model.Fields(), file, 2));
  EXPECT_EQ(files.Replacements(file), 1);
  EXPECT_EQ(ReadCurConfig(files, file), 2);
  ProfileModel applied, own;
  LoadProfile(files, applied, file, kAppliedProfile, false);
  LoadProfile(files, own, file, 2, false);
  EXPECT_EQ(applied.Fields(), model.Fields());
  EXPECT_EQ(own.Fields(), model.Fields());
}

}  // namespace
}  // namespace tx80
