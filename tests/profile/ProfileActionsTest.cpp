#include "profile/ProfileActions.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Message.h"
#include "macro/MacroFile.h"
#include "macro/MacroPage.h"
#include "macro/MacroStore.h"
#include "profile/SettingsFile.h"
#include "support/MainWindowUser.h"
#include "support/MouseProgram.h"
#include "support/TestFiles.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::ReadFile;
using test::WriteFile;

// MainItems of the shared elements.
constexpr int kClose = 2;
constexpr int kApply = 3;
constexpr int kFirstProfile = 4;
constexpr int kMinimise = 12;
constexpr int kTray = 13;
constexpr int kImport = 14;
constexpr int kExport = 15;
constexpr int kReset = 16;
constexpr int kUserGuide = 19;
constexpr int kAdvancedTab = 10;

ProfileFields FactoryDefaults() {
  ProfileModel model;
  model.SetFactoryDefaults();
  return model.Fields();
}

// A working profile told apart from the others by its fire time.
ProfileFields Profile(int32_t fireTime) {
  ProfileFields fields = FactoryDefaults();
  fields.FIRE_TIME = fireTime;
  return fields;
}

std::string Section(const std::string& name, const ProfileFields& f) {
  std::string text = "[" + name + "]\n";
  auto key = [&](const std::string& k, int64_t v) { text += k + "=" + std::to_string(v) + "\n"; };
  for (int slot = 1; slot <= 7; ++slot) key("K" + std::to_string(slot), f.K[slot - 1]);
  key("DPI_LEVEL", f.DPI_LEVEL);
  key("WHEEL_STATUS", f.WHEEL_STATUS);
  key("MACRO_MODE2", f.MACRO_MODE2);
  for (int level = 0; level < 4; ++level) {
    key("DPI_SET" + std::to_string(level + 1), f.DPI_SET[level]);
    key("DPI_SET_EN" + std::to_string(level + 1), f.DPI_SET_EN[level]);
  }
  key("LED_STATUS", f.LED_STATUS);
  key("DPI_SPEED", f.DPI_SPEED);
  key("WHEEL_SPEED", f.WHEEL_SPEED);
  key("FIRE_TIME", f.FIRE_TIME);
  return text;
}

// Profile n has fire time 10 n, the factory section of profile n 200 + n, the
// English profile 5 255. The start applies the current profile into [Config6].
std::string Settings(int curConfig, int language) {
  std::string text = "[Init]\nCurConfig=" + std::to_string(curConfig) + "\nVER_SEL=" + std::to_string(language) + "\n";
  for (int n = 1; n <= 5; ++n) text += Section("Config" + std::to_string(n), Profile(10 * n));
  for (int n = 2; n <= 5; ++n) text += Section("CfgReset" + std::to_string(n), Profile(200 + n));
  return text + Section("CfgReset_EN5", Profile(255));
}

ProfileFields Stored(const std::filesystem::path& file, int32_t profile) {
  ProfileModel model;
  test::TestFiles files;
  LoadProfile(files, model, file, profile, false);
  return model.Fields();
}

std::vector<std::string> SectionsOf(const std::filesystem::path& file) {
  std::vector<std::string> sections;
  const std::string text = ReadFile(file);
  for (std::size_t at = text.find('['); at != std::string::npos; at = text.find('[', at + 1))
    sections.push_back(text.substr(at + 1, text.find(']', at) - at - 1));
  return sections;
}

class ProfileActionsTest : public ::testing::Test {
 protected:
  SimWindowHost& Start(int curConfig = 1, int language = 1) {
    WriteFile(program.dir / "config.ini", Settings(curConfig, language));
    SimWindowHost& window = program.Start();
    program.mouse->ClearReports();
    user.emplace(test::MainWindowUser{window, program.context.ui.skin});
    return window;
  }
  void Click(int element) { user->Click(user->Main(element)); }
  std::filesystem::path Config() const { return program.dir / "config.ini"; }

  SimDesktop desktop;
  MouseProgram program{desktop};
  ProfileModel& profile = program.context.profile;
  std::optional<test::MainWindowUser> user;
};

TEST_F(ProfileActionsTest, ReleaseActsOnTheElementUnderThePointer) {
  Start();
  user->Press(user->Main(kFirstProfile + 1));  // profile 2
  user->Release(user->Main(kFirstProfile + 3));  // profile 4
  EXPECT_EQ(profile.CurConfig(), 4);
  EXPECT_EQ(profile.Fields().FIRE_TIME, 40);

  // Released over no element: nothing.
  const fw::Point nowhere = user->Find(true, [](int32_t m, int32_t, int32_t) { return m == 255; });
  user->Press(user->Main(kFirstProfile));
  user->Release(nowhere);
  EXPECT_EQ(profile.CurConfig(), 4);
  EXPECT_FALSE(program.context.ui.hover.ButtonHeld);
}

TEST_F(ProfileActionsTest, SelectingTheCurrentProfileAgainDropsUnappliedEdits) {
  Start();
  const std::string settings = ReadFile(Config());
  user->Click(user->Main(73));  // a DPI step
  ASSERT_NE(profile.Fields(), Stored(Config(), 1));
  Click(kFirstProfile);
  EXPECT_EQ(profile.Fields(), Stored(Config(), 1));
  // Selecting writes nothing and sends nothing.
  EXPECT_EQ(ReadFile(Config()), settings);
  EXPECT_TRUE(program.mouse->Reports().empty());
}

TEST_F(ProfileActionsTest, SelectThenApplySendsTheProfileAndMakesItCurrent) {
  Start();
  Click(kFirstProfile + 2);
  Click(kApply);
  EXPECT_EQ(program.mouse->Reports().size(), 10u);
  EXPECT_EQ(program.mouse->GetState().fire, 30 / 8);
  EXPECT_EQ(ReadCurConfig(program.os.files, Config()), 3);
  EXPECT_EQ(Stored(Config(), 6), Profile(30));
}

// Close: the DPI level the mouse's buttons chose goes into [Config6], the
// model returns to that profile, and the window hides.
TEST_F(ProfileActionsTest, CloseReturnsToTheAppliedProfileAndHides) {
  SimWindowHost& window = Start();
  Click(kFirstProfile + 1);
  profile.SetDpiLevel(2);  // as a DPI button of the mouse would
  Click(kClose);
  ProfileFields expected = Profile(10);  // profile 1, applied at start
  expected.DPI_LEVEL = 2;
  EXPECT_EQ(profile.Fields(), expected);
  EXPECT_EQ(Stored(Config(), 6), expected);
  EXPECT_EQ(profile.CurConfig(), 2);
  EXPECT_FALSE(window.IsVisible());
  EXPECT_EQ(program.context.ui.hover.MainHover, 255);
  EXPECT_TRUE(program.mouse->Reports().empty());
}

TEST_F(ProfileActionsTest, MinimiseAndTrayElements) {
  SimWindowHost& window = Start();
  Click(kMinimise);
  EXPECT_EQ(program.context.ui.hover.MainHover, 255);
  const fw::Point p = user->Main(kMinimise);
  ASSERT_EQ(window.Queued().size(), 1u);
  EXPECT_EQ(window.Queued()[0].id, fw::msg::kSysCommand);
  EXPECT_EQ(window.Queued()[0].wParam, fw::kScMinimize);
  EXPECT_EQ(window.Queued()[0].lParam, fw::PackPoint(p.x, p.y));
  window.Idle();
  EXPECT_TRUE(window.IsMinimized());

  window.Show(ShowMode::Restore);
  Click(kTray);
  EXPECT_FALSE(window.IsVisible());
  EXPECT_EQ(program.context.ui.hover.MainHover, 255);
}

TEST_F(ProfileActionsTest, UserGuideOpensFromTheProgramFolder) {
  Start();
  Click(kUserGuide);
  const std::filesystem::path guide = program.dir / "help" / "index.html";
  EXPECT_EQ(program.os.shell.Calls(), std::vector<std::u16string>{u"document " + guide.u16string()});
}

TEST_F(ProfileActionsTest, ExportThenImportGivesTheSameProfile) {
  Start();
  const std::filesystem::path file = program.dir / "mine.ini";
  user->Click(user->Main(42));  // an edit not yet applied
  const ProfileFields edited = profile.Fields();
  program.os.dialogs.fileChoices = {file, std::nullopt, file, std::nullopt};
  Click(kExport);
  EXPECT_EQ(SectionsOf(file), std::vector<std::string>{"Config7"});
  Click(kExport);  // cancelled: the file stays
  const std::string exported = ReadFile(file);

  Click(kFirstProfile + 4);
  Click(kImport);
  EXPECT_EQ(profile.Fields(), edited);
  EXPECT_EQ(profile.CurConfig(), 5);
  Click(kFirstProfile + 4);
  Click(kImport);  // cancelled: the profile stays
  EXPECT_EQ(profile.Fields(), Stored(Config(), 5));
  EXPECT_EQ(ReadFile(file), exported);

  const auto dialogs = program.os.dialogs.FileDialogs();
  ASSERT_EQ(dialogs.size(), 4u);
  for (const auto& shown : dialogs) {
    EXPECT_EQ(shown.filter, u"All Files(*.ini)|*.ini||");
    EXPECT_EQ(shown.initialDirectory, program.dir.path());
    EXPECT_EQ(shown.defaultExtension, shown.save ? u"ini" : u"");
  }
  EXPECT_TRUE(program.mouse->Reports().empty());
}

// A file without [Config7] would take the left click and every DPI level off
// the mouse at the next apply: it is refused, in the interface language.
TEST_F(ProfileActionsTest, ImportOfAFileWithoutAProfileChangesNothing) {
  Start();
  const std::filesystem::path file = program.dir / "other.ini";
  WriteFile(file, Section("Config1", Profile(99)) + "[Config7]\nNOTE=1\n");
  program.os.dialogs.fileChoices = {file, file};
  const ProfileFields before = profile.Fields();
  Click(kImport);
  profile.SetLanguageFlag(0);
  Click(kImport);
  EXPECT_EQ(profile.Fields(), before);
  const auto messages = program.os.dialogs.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, u"This file holds no TX80 profile. Nothing was imported.");
  EXPECT_EQ(messages[1].text, u"该文件中没有 TX80 配置，未导入任何内容。");
  EXPECT_TRUE(messages[0].owned);
}

// A profile without a left click, or without a DPI level switched on, would
// leave the mouse without one at the next apply. The warning asks first, as
// before the last left click is given away in a list: going on imports it
// with button 1 as the left click and the level in use switched on; giving
// up imports nothing.
TEST_F(ProfileActionsTest, ImportOfAProfileTheMouseCannotWorkWithAsksFirst) {
  Start();
  const auto noLeftClick = [](ProfileFields& f) { f.K = {2, 3, 5, 4, 18, 17, 31}; };
  const auto noLevel = [](ProfileFields& f) { f.DPI_SET_EN = {0, 0, 0, 0}, f.DPI_LEVEL = 2; };
  struct Case {
    const char* what;
    std::function<void(ProfileFields&)> change;
    std::u16string message;  // none: imported without a question
    std::function<void(ProfileFields&)> repair;
  };
  const Case cases[] = {
      {"a working profile", [](ProfileFields&) {}, u"", [](ProfileFields&) {}},
      {"no left click", noLeftClick, u"No Left Click: make button 1 the Left Click?",
       [](ProfileFields& f) { f.K[0] = 1; }},
      {"no DPI level on", noLevel, u"No DPI level on: switch level 3 on?",
       [](ProfileFields& f) { f.DPI_SET_EN[2] = 1; }},
      {"neither", [&](ProfileFields& f) { noLeftClick(f), noLevel(f); },
       u"No Left Click and no DPI level on: add both?", [](ProfileFields& f) { f.K[0] = 1, f.DPI_SET_EN[2] = 1; }},
  };
  const std::filesystem::path file = program.dir / "shared.ini";
  for (const Case& c : cases) {
    for (const bool goOn : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (goOn ? ", going on" : ", giving up"));
      Click(kFirstProfile);
      const ProfileFields before = profile.Fields();
      ProfileFields imported = Profile(77);
      c.change(imported);
      WriteFile(file, Section("Config7", imported));
      std::vector<std::u16string> shown;
      program.os.windows.modalTemplates.clear();
      program.os.windows.onModal[105] = [&](SimWindowHost& warning) {
        for (const auto& text : warning.Paint()->Texts()) shown.push_back(text.text);
        const SkinItem& button = program.context.ui.skin.WarningItems[goOn ? 0 : 1];
        warning.MoveTo(button.x + button.width / 2, button.y + button.height / 2);
        warning.Click(button.x + button.width / 2, button.y + button.height / 2);
      };
      program.os.dialogs.fileChoices = {file};
      Click(kImport);
      if (c.message.empty()) {
        EXPECT_TRUE(program.os.windows.modalTemplates.empty());
        EXPECT_EQ(profile.Fields(), imported);
        continue;
      }
      ASSERT_EQ(program.os.windows.modalTemplates, std::vector<int>{105});
      ASSERT_FALSE(shown.empty());
      EXPECT_EQ(shown.back(), c.message);
      ProfileFields expected = before;
      if (goOn) {
        expected = imported;
        c.repair(expected);
      }
      EXPECT_EQ(profile.Fields(), expected);
    }
  }
  EXPECT_TRUE(program.mouse->Reports().empty());
}

TEST_F(ProfileActionsTest, ResetAsksFirstAndNoChangesNothing) {
  Start();
  const std::string settings = ReadFile(Config());
  const std::string macros = ReadFile(program.dir / "Macro_EN.dat");
  const ProfileFields before = profile.Fields();
  program.os.dialogs.yesNoAnswers = {false};
  Click(kReset);
  const auto questions = program.os.dialogs.Questions();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].text,
            u"Reset all five profiles and the macros to the factory settings? Your own profiles and macros will be "
            u"replaced.");
  EXPECT_EQ(questions[0].caption, u"TX80_KARVO");
  EXPECT_EQ(ReadFile(Config()), settings);
  EXPECT_EQ(ReadFile(program.dir / "Macro_EN.dat"), macros);
  EXPECT_EQ(profile.Fields(), before);
  EXPECT_TRUE(program.mouse->Reports().empty());
}

TEST(ProfileReset, StoresTheFactoryProfilesAndAppliesTheCurrentOne) {
  struct Case {
    int curConfig;
    int language;  // VER_SEL
    ProfileFields current;
    int32_t profile5FireTime;
    const char* macroFile;
  };
  const Case cases[] = {
      {1, 1, FactoryDefaults(), 255, "Macro_EN.dat"},
      {3, 0, Profile(203), 205, "Macro_CN.dat"},
      {1, 2, FactoryDefaults(), 205, "Macro_EN.dat"},  // English, but not exactly 1: [CfgReset5]
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.curConfig * 10 + c.language);
    SimDesktop desktop;
    MouseProgram program(desktop);
    WriteFile(program.dir / "config.ini", Settings(c.curConfig, c.language));
    SimWindowHost& window = program.Start();
    program.mouse->ClearReports();
    test::MainWindowUser user{window, program.context.ui.skin};
    user.Click(user.Main(kAdvancedTab));  // the macro list shows the defaults at once
    program.os.dialogs.yesNoAnswers = {true};
    user.Click(user.Main(kReset));

    const std::filesystem::path config = program.dir / "config.ini";
    EXPECT_EQ(program.context.profile.Fields(), c.current);
    EXPECT_EQ(Stored(config, 1), FactoryDefaults());
    for (int n = 2; n <= 4; ++n) EXPECT_EQ(Stored(config, n), Profile(200 + n));
    EXPECT_EQ(Stored(config, 5), Profile(c.profile5FireTime));
    EXPECT_EQ(Stored(config, 6), c.current);
    EXPECT_EQ(program.mouse->Reports().size(), 10u);
    EXPECT_EQ(program.mouse->GetState().fire, c.current.FIRE_TIME / 8);

    MacroStore defaults;
    const char* folder = c.language ? "INI_EN" : "INI_CN";
    LoadMacroFile(program.os.files, defaults, program.dir / "skins" / folder / "defMacro.dat", program.os.dialogs, nullptr);
    ASSERT_GT(defaults.MacroCount(), 0);
    EXPECT_EQ(program.context.macros.Names(), defaults.Names());
    EXPECT_EQ(program.os.childControls.ListBox(MacroPage::kMacroListId)->Lines(), defaults.Names());
    MacroStore saved;
    LoadMacroFile(program.os.files, saved, program.dir / c.macroFile, program.os.dialogs, nullptr);
    EXPECT_EQ(saved.Names(), defaults.Names());
  }
}

TEST_F(ProfileActionsTest, ResetGivesAProfileWithoutFactorySectionTheFactoryDefaults) {
  std::string settings = Settings(4, 1);
  const std::size_t at = settings.find("[CfgReset4]");
  settings.erase(at, settings.find("[CfgReset5]") - at);
  WriteFile(Config(), settings);
  program.Start();
  program.os.dialogs.yesNoAnswers = {true};
  profile.ToggleMacroMode();  // kept by the factory defaults
  program.dialog.Profiles().ResetProfiles();
  EXPECT_EQ(Stored(Config(), 4), FactoryDefaults());
  EXPECT_EQ(profile.Fields(), FactoryDefaults());
  EXPECT_EQ(Stored(Config(), 1).MACRO_MODE2, 1);
}

// A damaged install without its default macros resets the profiles but keeps
// the user's macros.
TEST_F(ProfileActionsTest, ResetWithoutDefaultMacrosKeepsTheUsersMacros) {
  WriteFile(Config(), Settings(1, 1));
  const std::filesystem::path skins = program.dir / "skins";
  std::filesystem::remove(skins);
  std::filesystem::copy(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins", skins,
                        std::filesystem::copy_options::recursive);
  std::filesystem::remove(skins / "INI_EN" / "defMacro.dat");
  program.Start();
  program.context.macros.AddMacro(u"Mine");
  SaveMacroFile(program.os.files, program.context.macros, program.dir / "Macro_EN.dat");
  const std::string macros = ReadFile(program.dir / "Macro_EN.dat");
  program.os.dialogs.yesNoAnswers = {true};
  program.dialog.Profiles().ResetProfiles();
  EXPECT_EQ(program.context.macros.Names(), std::vector<std::u16string>{u"Mine"});
  EXPECT_EQ(ReadFile(program.dir / "Macro_EN.dat"), macros);
  ASSERT_EQ(program.os.dialogs.Messages().size(), 1u);
  EXPECT_EQ(program.os.dialogs.Messages()[0].text, u"找不到配置文件");
  EXPECT_EQ(Stored(Config(), 1), FactoryDefaults());
}

}  // namespace
}  // namespace tx80
