#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "profile/Captions.h"
#include "macro/MacroFile.h"
#include "macro/MacroPage.h"
#include "support/MainWindowUser.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::ReadFile;
using test::WriteFile;

constexpr int kChineseElement = 17;
constexpr int kEnglishElement = 18;
constexpr int kAdvancedTab = 10;
constexpr int kReset = 16;

// [Config1] of the shipped factory settings.
std::string FactoryProfileSection() {
  const std::string settings = test::kFactoryProfile;
  return settings.substr(settings.find("[Config1]"));
}

// A program whose two macro files hold different macros, started in the
// language of `verSel` ([Init] VER_SEL as stored).
class LanguageSwitchTest : public ::testing::Test {
 protected:
  SimWindowHost& Start(const std::string& verSel) {
    WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=1\nVER_SEL=" + verSel + "\n" +
                                              FactoryProfileSection());
    WriteMacros("Macro_EN.dat", {u"Jump", u"Reload"});
    WriteMacros("Macro_CN.dat", {u"跳跃"});
    SimWindowHost& window = program.Start();
    user.emplace(test::MainWindowUser{window, program.context.ui.skin});
    return window;
  }
  void WriteMacros(const char* file, std::initializer_list<std::u16string_view> names) {
    MacroStore store;
    for (auto name : names) store.AddMacro(name);
    ASSERT_TRUE(SaveMacroFile(program.os.files, store, program.dir / file));
  }
  void Click(int element) { user->Click(user->Main(element)); }
  std::string VerSel() {
    const std::string text = ReadFile(program.dir / "config.ini");
    const auto at = text.find("VER_SEL=");
    return text.substr(at + 8, text.find_first_of("\r\n", at) - at - 8);
  }
  std::u16string TrayMenuFirstItem() { return program.context.ui.menus.TrayMenu.Record(1).text; }

  SimDesktop desktop;
  MouseProgram program{desktop};
  std::optional<test::MainWindowUser> user;
};

TEST_F(LanguageSwitchTest, StoredLanguageIsItsLowEightBits) {
  const struct {
    const char* verSel;
    std::u16string_view caption;
  } cases[] = {{"1", kCaptionEnglish}, {"2", kCaptionEnglish}, {"256", kCaptionChinese}, {"0", kCaptionChinese}};
  for (const auto& c : cases) {
    SimDesktop otherDesktop;
    MouseProgram other{otherDesktop};
    WriteFile(other.dir / "config.ini", std::string("[Init]\nCurConfig=1\nVER_SEL=") + c.verSel + "\n");
    EXPECT_EQ(other.Start().Caption(), c.caption) << c.verSel;
  }
}

TEST_F(LanguageSwitchTest, EnglishElementSwitchesEverythingAtOnceAndForTheNextStart) {
  SimWindowHost& window = Start("0");
  const std::vector<fw::Rect> outline = window.Shape();
  const ProfileFields fields = program.context.profile.Fields();
  ASSERT_EQ(program.context.macros.MacroCount(), 1);
  ASSERT_EQ(TrayMenuFirstItem(), u"显示窗口   ");
  const std::u16string chineseName = program.context.ui.skin.FunctionNames[1];
  program.mouse->ClearReports();

  Click(kEnglishElement);
  EXPECT_EQ(window.Caption(), kCaptionEnglish);
  EXPECT_EQ(VerSel(), "1");
  EXPECT_NE(program.context.ui.skin.FunctionNames[1], chineseName);
  EXPECT_EQ(program.context.macros.MacroCount(), 2);
  EXPECT_EQ(TrayMenuFirstItem(), u"Show Window");
  const SimCanvas* page = window.Paint();
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->FindText(program.context.ui.skin.FunctionNames[1]), nullptr);  // K1's new name on the page
  // The profile, the mouse and the outline are not touched.
  EXPECT_EQ(program.context.profile.Fields(), fields);
  EXPECT_TRUE(program.mouse->Reports().empty());
  EXPECT_EQ(window.Shape(), outline);
  // The macros are saved to the English file from now on.
  const std::string chineseMacros = test::ReadFile(program.dir / "Macro_CN.dat");
  program.dialog.Macros().SaveMacros();
  EXPECT_EQ(program.os.files.Replacements(program.dir / "Macro_EN.dat"), 1);
  EXPECT_EQ(test::ReadFile(program.dir / "Macro_CN.dat"), chineseMacros);

  // The next start shows English.
  window.Destroy();
  SimDesktop nextDesktop;
  test::SimProgram next{nextDesktop};
  std::filesystem::copy_file(program.dir / "config.ini", next.dir / "config.ini");
  EXPECT_EQ(next.Start().Caption(), kCaptionEnglish);
}

TEST_F(LanguageSwitchTest, SwitchingToTheLanguageShownReloadsAndDropsUnsavedMacroEdits) {
  Start("01");
  program.context.macros.AddMacro(u"Unsaved");
  ASSERT_EQ(program.context.macros.MacroCount(), 3);
  Click(kEnglishElement);
  EXPECT_EQ(program.context.macros.MacroCount(), 2);
  EXPECT_EQ(VerSel(), "1");
}

TEST_F(LanguageSwitchTest, MacroPageListFollowsTheSwitch) {
  Start("1");
  Click(kAdvancedTab);
  const auto lines = [&] { return program.os.childControls.ListBox(MacroPage::kMacroListId)->Lines(); };
  ASSERT_EQ(lines(), (std::vector<std::u16string>{u"Jump", u"Reload"}));
  Click(kChineseElement);
  EXPECT_EQ(lines(), std::vector<std::u16string>{u"跳跃"});
}

TEST_F(LanguageSwitchTest, ResetAfterAStoredTwoTakesTheChineseFactoryProfileFive) {
  WriteFile(program.dir / "config.ini",
            "[Init]\nCurConfig=1\nVER_SEL=2\n[CfgReset5]\nFIRE_TIME=55\nK1=1\n[CfgReset_EN5]\nFIRE_TIME=66\nK1=1\n");
  SimWindowHost& window = program.Start();
  user.emplace(test::MainWindowUser{window, program.context.ui.skin});
  ASSERT_EQ(window.Caption(), kCaptionEnglish);
  program.os.dialogs.yesNoAnswers.push_back(true);
  Click(kReset);
  const std::string text = ReadFile(program.dir / "config.ini");
  const std::string config5 = text.substr(text.find("[Config5]"));
  EXPECT_NE(config5.find("FIRE_TIME=55"), std::string::npos) << config5;
}

TEST_F(LanguageSwitchTest, MissingLayoutFileOfTheNewLanguageEndsTheProgramOnce) {
  SimWindowHost& window = Start("0");
  std::filesystem::remove(program.dir / "skins");  // the shared skin is linked in; give it its own copy
  std::filesystem::copy(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins", program.dir / "skins",
                        std::filesystem::copy_options::recursive);
  std::filesystem::remove(program.dir / "skins" / "INI_EN" / "skin_color_en.ini");
  Click(kEnglishElement);
  EXPECT_TRUE(window.Destroyed());
  const auto messages = program.os.dialogs.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, u"找不到配置文件");
  EXPECT_EQ(TrayMenuFirstItem(), u"显示窗口   ");  // the switch stopped there
}

}  // namespace
}  // namespace tx80
