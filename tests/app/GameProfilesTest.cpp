#include <gtest/gtest.h>

#include "app/GameProfilesDlg.h"
#include "framework/PrivateProfile.h"
#include "framework/ProgramFileName.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::ReadFile;
using test::WriteFile;

TEST(GameProfileRules, OnlyRulesNamingAProfileFromOneToFiveCount) {
  test::TempDir dir;
  SimClock clock;
  SimFileStore files{clock};
  WriteFile(dir / "config.ini",
            "[AppProfiles]\ngame.exe=3\nnone.exe=\nzero.exe=0\nsix.exe=6\nminus.exe=-1\nword.exe=abc\n"
            "five.exe=5 \nGAME.EXE=2\nlate.exe=0\nlate.exe=4\n[Config1]\nK1=1\nother.exe=2\n");
  const GameProfileRules rules = ReadGameProfileRules(files, dir / "config.ini");
  EXPECT_EQ(rules, (GameProfileRules{{u"game.exe", 3}, {u"five.exe", 5}}));
  EXPECT_EQ(ProfileForProgram(rules, u"Game.Exe"), 3);
  EXPECT_FALSE(ProfileForProgram(rules, u"other.exe"));
  EXPECT_FALSE(ProfileForProgram(rules, u""));
}

TEST(GameProfileRules, NamesThatCannotStandAsAKey) {
  for (std::u16string_view name : {u"", u"a=b.exe", u"[x].exe", u";x.exe", u" x.exe", u"x.exe ", u"a\nb.exe"})
    EXPECT_FALSE(CanNameARule(name));
  for (std::u16string_view name : {u"game.exe", u"My Game [1].exe", u"游戏.exe"}) EXPECT_TRUE(CanNameARule(name));
}

TEST(ForegroundProgram, IsTheFileNameAtTheEndOfTheImagePath) {
  const struct {
    std::u16string_view path;
    std::u16string_view program;
  } cases[] = {
      {u"C:\\Games\\game.exe", u"game.exe"},
      {u"C:/Games/game.exe", u"game.exe"},
      {u"C:\\Games/Tools\\Mixed.EXE", u"Mixed.EXE"},
      {u"\\\\?\\C:\\游戏\\游戏.exe", u"游戏.exe"},
      {u"game.exe", u"game.exe"},  // no folder
      {u"C:\\Games\\", u""},
      {u"C:/Games/", u""},
      {u"", u""},
  };
  for (const auto& c : cases) EXPECT_EQ(fw::ProgramFileName(c.path), c.program) << "row " << &c - cases;
}

// Profiles 1..5 send fire times 10, 20, ... 50 to the mouse, so the mouse
// shows which profile it was given.
constexpr const char* kFiveProfiles =
    "[Init]\nCurConfig=1\nVER_SEL=1\n[Config1]\nFIRE_TIME=80\n[Config2]\nFIRE_TIME=160\n[Config3]\nFIRE_TIME=240\n"
    "[Config4]\nFIRE_TIME=320\n[Config5]\nFIRE_TIME=400\n"
    "[AppProfiles]\ngame.exe=3\nother.exe=5\nbad.exe=9\n";

class GameProfileSwitchingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(program.dir / "config.ini", kFiveProfiles);
    window = &program.Start();
  }
  void Front(std::u16string_view programName) {
    program.os.foreground.BringToFront(u"C:\\Program Files\\" + std::u16string(programName));
    window->PumpPosted();
  }
  int32_t Current() { return program.context.profile.CurConfig(); }
  int MouseFireTime() { return program.mouse->GetState().fire.value_or(-1); }

  SimDesktop desktop;
  MouseProgram program{desktop};
  SimWindowHost* window = nullptr;
};

TEST_F(GameProfileSwitchingTest, AGameInFrontGetsItsProfileAndLeavingItBringsTheOldOneBack) {
  window->Show(ShowMode::Hide);
  EXPECT_TRUE(program.os.foreground.Watching());
  Front(u"GAME.exe");
  EXPECT_EQ(Current(), 3);
  EXPECT_EQ(MouseFireTime(), 30);  // applied
  EXPECT_EQ(ReadProfileString(program.os.files, program.dir / "config.ini", u"Init", u"CurConfig", 5), u"3");
  Front(u"other.exe");  // from one game to the next
  EXPECT_EQ(Current(), 5);
  Front(u"bad.exe");  // its rule names no profile
  EXPECT_EQ(Current(), 1);
  EXPECT_EQ(MouseFireTime(), 10);
  Front(u"explorer.exe");
  EXPECT_EQ(Current(), 1);
}

// The watch reports every look, not only changes: while the same game stays in
// front, a profile taken meanwhile (the mouse's next-profile button) stays.
TEST_F(GameProfileSwitchingTest, TheSameWindowReportedAgainChangesNothing) {
  window->Show(ShowMode::Hide);
  Front(u"game.exe");
  ASSERT_EQ(Current(), 3);
  program.context.profile.SetCurConfig(4);
  program.os.foreground.Look();
  window->PumpPosted();
  EXPECT_EQ(Current(), 4);
  Front(u"game.exe");  // another window of the game
  EXPECT_EQ(Current(), 3);
}

TEST_F(GameProfileSwitchingTest, WaitsWhileTheWindowIsShownAndSwitchesOnceItIsMinimised) {
  const int before = static_cast<int>(program.mouse->Reports().size());
  Front(u"game.exe");
  EXPECT_EQ(Current(), 1);
  EXPECT_EQ(static_cast<int>(program.mouse->Reports().size()), before);
  window->Deliver({fw::msg::kSysCommand, fw::kScMinimize, 0, true});
  EXPECT_EQ(Current(), 3);
  window->Show(ShowMode::Restore);
  Front(u"explorer.exe");
  EXPECT_EQ(Current(), 3);  // still waiting for the window
  window->Show(ShowMode::Hide);
  Front(u"explorer.exe");
  EXPECT_EQ(Current(), 1);
}

TEST_F(GameProfileSwitchingTest, NeverDuringARecording) {
  MacroPage& page = program.dialog.Macros();
  page.CreateControls(program.context.ui.skin.ControlRects);
  program.os.childControls.Edit(MacroPage::kMacroNameEditId)->SetText(u"m");
  page.NewMacro();
  page.ToggleRecording();
  window->Show(ShowMode::Hide);  // recording goes on with the window hidden
  Front(u"game.exe");
  EXPECT_EQ(Current(), 1);
  page.ToggleRecording();
  Front(u"game.exe");
  EXPECT_EQ(Current(), 3);
}

TEST_F(GameProfileSwitchingTest, TheDialogListsAddsAndRemovesRules) {
  GameProfilesDlg dialog(program.context, [&] { program.dialog.GameProfiles().ReloadRules(); });
  SimWindowHost& rules = program.os.windows.Open(dialog);
  SimListBox& list = *program.os.childControls.ListBox(GameProfilesDlg::kRuleListId);
  SimEdit& profile = *program.os.childControls.Edit(GameProfilesDlg::kProfileEditId);
  EXPECT_EQ(list.Lines(), (std::vector<std::u16string>{u"game.exe  →  Profile 3", u"other.exe  →  Profile 5"}));
  EXPECT_EQ(profile.Text(), u"1");

  profile.SetText(u"2");
  program.os.dialogs.fileChoices.push_back(program.dir / "games" / "Shooter.exe");
  rules.Deliver({fw::msg::kCommand, GameProfilesDlg::kAddCommand, 0, true});
  EXPECT_EQ(list.Lines().back(), u"Shooter.exe  →  Profile 2");
  EXPECT_EQ(list.CurSel(), 2);
  EXPECT_EQ(program.os.dialogs.FileDialogs().back().filter, u"Programs (*.exe)|*.exe||");
  // The main window acts on the new rule at once.
  window->Show(ShowMode::Hide);
  Front(u"shooter.EXE");
  EXPECT_EQ(Current(), 2);

  list.Click(0);
  rules.Deliver({fw::msg::kCommand, GameProfilesDlg::kRemoveCommand, 0, true});
  EXPECT_EQ(list.Lines(), (std::vector<std::u16string>{u"other.exe  →  Profile 5", u"Shooter.exe  →  Profile 2"}));
  EXPECT_EQ(ReadProfileString(program.os.files, program.dir / "config.ini", u"AppProfiles", u"game.exe", 5), u"");
  EXPECT_EQ(ReadProfileString(program.os.files, program.dir / "config.ini", u"AppProfiles", u"shooter.exe", 5), u"2");
}

TEST_F(GameProfileSwitchingTest, TheDialogRefusesWhatCannotBeARule) {
  GameProfilesDlg dialog(program.context, [] {});
  SimWindowHost& rules = program.os.windows.Open(dialog);
  SimEdit& profile = *program.os.childControls.Edit(GameProfilesDlg::kProfileEditId);
  const std::string before = ReadFile(program.dir / "config.ini");
  auto add = [&] { rules.Deliver({fw::msg::kCommand, GameProfilesDlg::kAddCommand, 0, true}); };

  profile.SetText(u"6");
  add();  // no file dialog for a profile that does not exist
  EXPECT_TRUE(program.os.dialogs.FileDialogs().empty());
  profile.SetText(u"");
  add();
  profile.SetText(u"4");
  program.os.dialogs.fileChoices.push_back(program.dir / "a=b.exe");
  add();
  add();  // cancelled
  rules.Deliver({fw::msg::kCommand, GameProfilesDlg::kRemoveCommand, 0, true});  // nothing selected
  EXPECT_EQ(ReadFile(program.dir / "config.ini"), before);
  const auto messages = program.os.dialogs.Messages();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].text, u"Type a profile number from 1 to 5.");
  EXPECT_EQ(messages[2].text, u"A program with this file name cannot be given a profile.");
  EXPECT_EQ(messages[2].caption, u"Game profiles");
}

TEST_F(GameProfileSwitchingTest, TheTrayItemOpensTheDialogInTheLanguage) {
  int opened = 0;
  program.os.windows.onModal[GameProfilesDlg::kTemplateEnglish] = [&](SimWindowHost& rules) {
    ++opened;
    window->Deliver({fw::msg::kCommand, TrayOptions::kGameProfiles, 0, true});  // not a second one
    rules.Send(fw::msg::kCommand, fw::kIdCancel, 0);
  };
  window->Deliver({fw::msg::kCommand, TrayOptions::kGameProfiles, 0, true});
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(program.os.windows.modalTemplates, std::vector<int>{GameProfilesDlg::kTemplateEnglish});
}

}  // namespace
}  // namespace tx80
