#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "macro/MacroFile.h"
#include "macro/MacroStore.h"
#include "profile/SettingsFile.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "UiTestSupport.h"

namespace tx80 {
namespace {

// The factory settings and the default macros that ship beside the program.
const std::filesystem::path kData = std::filesystem::path(TX80_SOURCE_DIR) / "data";
constexpr int kDefaultMacros = 5;
test::TestFiles files;

ProfileFields Read(int32_t profile, bool factory, int32_t languageFlag = 1) {
  ProfileModel model;
  model.SetLanguageFlag(languageFlag);
  LoadProfile(files, model, kData / "config.ini", profile, factory);
  return model.Fields();
}

bool Offered(int32_t code) {  // a code the assignment lists can give a button
  return (code >= 1 && code <= 6) || (code >= 11 && code <= 19) || (code >= 21 && code <= 26) ||
         (code >= 31 && code <= 40) || (code >= 41 && code < 41 + kDefaultMacros);
}

void ExpectUsable(const ProfileFields& p, const std::string& section) {
  SCOPED_TRACE(section);
  int leftClicks = 0;
  for (int32_t code : p.K) {
    EXPECT_TRUE(Offered(code)) << code;
    leftClicks += code == 1;
  }
  EXPECT_GE(leftClicks, 1);
  ASSERT_GE(p.DPI_LEVEL, 0);
  ASSERT_LE(p.DPI_LEVEL, 3);
  EXPECT_EQ(p.DPI_SET_EN[static_cast<std::size_t>(p.DPI_LEVEL)], 1);  // the level in use is enabled
  for (int j = 0; j < 4; ++j) {
    EXPECT_LE(p.DPI_SET[j], 4);
    EXPECT_LE(p.DPI_SET_EN[j], 1);
  }
  EXPECT_TRUE(p.WHEEL_STATUS == 0 || p.WHEEL_STATUS == 1);
  EXPECT_TRUE(p.MACRO_MODE2 == 0 || p.MACRO_MODE2 == 1);
  EXPECT_LE(p.LED_STATUS, 3);
  EXPECT_LE(p.DPI_SPEED, 9);
  EXPECT_LE(p.WHEEL_SPEED, 9);
  EXPECT_GE(p.FIRE_TIME, 0);
  EXPECT_LE(p.FIRE_TIME, 300);
}

TEST(ShippedDataTest, ConfigStartsOnProfileOneInEnglish) {
  EXPECT_EQ(ReadCurConfig(files, kData / "config.ini"), 1);
  EXPECT_EQ(ReadLanguage(files, kData / "config.ini"), 1);
}

TEST(ShippedDataTest, FiveUsefulDistinctProfilesThatAResetRestores) {
  ProfileModel defaults;
  defaults.SetFactoryDefaults();
  EXPECT_EQ(Read(1, false), defaults.Fields());      // a reset writes profile 1 from the built-in defaults
  EXPECT_EQ(Read(kAppliedProfile, false), Read(1, false));  // the last applied profile is the current one

  std::set<std::vector<int32_t>> distinct;
  for (int32_t n = 1; n <= 5; ++n) {
    const ProfileFields p = Read(n, false);
    ExpectUsable(p, "Config" + std::to_string(n));
    distinct.insert({p.K.begin(), p.K.end()});
    if (n >= 2) {
      EXPECT_EQ(Read(n, true, 0), p) << "CfgReset" << n;  // a reset gives back the first start's profiles
      ExpectUsable(Read(n, true, 1), "factory " + std::to_string(n) + " (English)");
    }
  }
  EXPECT_EQ(distinct.size(), 5u);
}

TEST(ShippedDataTest, ProfileKeysAreInTheOrderTheProgramWritesThem) {
  const std::vector<std::string> order = {
      "K1", "K2", "K3", "K4", "K5", "K6", "K7", "DPI_LEVEL", "WHEEL_STATUS", "MACRO_MODE2", "DPI_SET1",
      "DPI_SET_EN1", "DPI_SET2", "DPI_SET_EN2", "DPI_SET3", "DPI_SET_EN3", "DPI_SET4", "DPI_SET_EN4",
      "LED_STATUS", "DPI_SPEED", "WHEEL_SPEED", "FIRE_TIME"};
  std::istringstream file(test::ReadFile(kData / "config.ini"));
  std::string line, section;
  std::vector<std::string> keys;
  std::vector<std::string> sections;
  const auto finish = [&] {
    if (!section.empty() && section != "Init") {
      EXPECT_EQ(keys, order) << section;
    }
  };
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[') {
      finish();
      section = line.substr(1, line.size() - 2);
      sections.push_back(section);
      keys.clear();
    } else {
      keys.push_back(line.substr(0, line.find('=')));
    }
  }
  finish();
  EXPECT_EQ(sections, (std::vector<std::string>{"Init", "Config1", "Config2", "Config3", "Config4", "Config5",
                                                 "Config6", "CfgReset2", "CfgReset3", "CfgReset4", "CfgReset5",
                                                 "CfgReset_EN5"}));
}

TEST(ShippedDataTest, DefaultMacrosLoadInBothLanguages) {
  test::RecordingDialogs dialogs;
  std::vector<std::u16string> names[2];
  for (int english = 0; english < 2; ++english) {
    const auto defaults = kData / "skins" / (english ? "INI_EN" : "INI_CN") / "defMacro.dat";
    const auto program = kData / (english ? "Macro_EN.dat" : "Macro_CN.dat");
    EXPECT_EQ(test::ReadFile(program), test::ReadFile(defaults));  // the first start has the defaults

    MacroStore store;
    LoadMacroFile(files, store, defaults, dialogs, nullptr);
    ASSERT_EQ(store.MacroCount(), kDefaultMacros);
    names[english] = store.Names();
    for (int i = 0; i < kDefaultMacros; ++i) {
      const Macro m = *store.Copy(i);
      SCOPED_TRACE(i);
      EXPECT_FALSE(m.Name().empty());
      EXPECT_GE(m.RepeatCount(), 1);
      ASSERT_GT(m.EventCount(), 0);
      int held = 0;  // every press is released again
      for (int k = 0; k < m.EventCount(); ++k) {
        EXPECT_TRUE(m.Action(k) == kActionDown || m.Action(k) == kActionUp);
        EXPECT_TRUE(m.Code(k) >= 1 && m.Code(k) <= kMouseMiddleCode);
        EXPECT_GT(m.Delay(k), 0);
        held += m.Action(k) == kActionDown ? 1 : -1;
        EXPECT_GE(held, 0);
      }
      EXPECT_EQ(held, 0);
    }
  }
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_NE(names[0], names[1]);  // names in the language
}

// The guide opens from the program folder with no network: nothing in it
// may load from elsewhere.
TEST(ShippedDataTest, UserGuideHasBothLanguagesAndNeedsNothingElse) {
  const std::string guide = test::ReadFile(kData / "help" / "index.html");
  ASSERT_FALSE(guide.empty());
  EXPECT_NE(guide.find("charset=\"utf-8\""), std::string::npos);
  EXPECT_NE(guide.find("id=\"en\""), std::string::npos);
  EXPECT_NE(guide.find("id=\"cn\""), std::string::npos);
  for (const char* outside : {"http:", "https:", "src=", "<link", "url(", "@import"})
    EXPECT_EQ(guide.find(outside), std::string::npos) << outside;
}

}  // namespace
}  // namespace tx80
