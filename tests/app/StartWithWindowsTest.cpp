#include <gtest/gtest.h>

#include "app/CNRV_VIruviApp.h"
#include "app/CommandLine.h"
#include "app/StartWithWindows.h"
#include "device/ButtonReportReader.h"
#include "functions/FunctionExecutor.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

using test::MouseProgram;
using test::WriteFile;

TEST(CommandLine, TheTrayWordAnywhereInAnyCase) {
  const struct {
    std::u16string_view line;
    bool tray;
  } cases[] = {{u"/tray", true},   {u"/TRAY", true}, {u"  -x\t/Tray  ", true}, {u"", false},
               {u"/trays", false}, {u"tray", false}, {u"\"/tray\"", false}};
  for (const auto& c : cases) EXPECT_EQ(StartsInTray(c.line), c.tray) << std::string(c.line.begin(), c.line.end());
}

class StartWithWindowsTest : public ::testing::Test {
 protected:
  std::u16string Command() const { return u"\"" + (program.dir / "TX80.exe").u16string() + u"\" /tray"; }
  void Choose(uint32_t command) { window->Deliver({fw::msg::kCommand, command, 0, true}); }

  SimDesktop desktop;
  MouseProgram program{desktop};
  SimAutoStart& autoStart = program.os.autoStart;
  SimWindowHost* window = nullptr;
};

TEST_F(StartWithWindowsTest, TheTrayItemAddsAndRemovesTheRunValue) {
  window = &program.Start();
  TrayOptions& options = program.dialog.Options();
  EXPECT_EQ(options.CheckMark(TrayOptions::kStartWithWindows), false);

  Choose(TrayOptions::kStartWithWindows);
  EXPECT_EQ(autoStart.entries, (std::map<std::u16string, std::u16string, std::less<>>{{u"TX80", Command()}}));
  EXPECT_EQ(options.CheckMark(TrayOptions::kStartWithWindows), true);

  Choose(TrayOptions::kStartWithWindows);
  EXPECT_TRUE(autoStart.entries.empty());
  EXPECT_EQ(options.CheckMark(TrayOptions::kStartWithWindows), false);

  // The check mark is what the system has, whoever changed it.
  autoStart.entries[u"TX80"] = u"elsewhere";
  EXPECT_EQ(options.CheckMark(TrayOptions::kStartWithWindows), true);
}

TEST_F(StartWithWindowsTest, AStartRewritesAnEntryLeftByAMovedProgramOnly) {
  const struct {
    const char* name;
    std::optional<std::u16string> before;
    bool rewritten;
  } cases[] = {
      {"no entry stays none", std::nullopt, false},
      {"this program's entry stays", u"", false},  // filled in below
      {"a moved program's entry follows it", u"\"C:\\Old place\\TX80.exe\" /tray", true},
  };
  for (const auto& c : cases) {
    SimDesktop machine;
    MouseProgram started(machine);
    if (c.before) started.os.autoStart.entries[u"TX80"] = c.before->empty() ? AutoStartCommand(started.dir / "TX80.exe") : *c.before;
    started.Start();
    EXPECT_EQ(started.os.autoStart.writes, c.rewritten ? 1 : 0) << c.name;
    if (c.before)
      EXPECT_EQ(started.os.autoStart.entries[u"TX80"], AutoStartCommand(started.dir / "TX80.exe")) << c.name;
    else
      EXPECT_TRUE(started.os.autoStart.entries.empty()) << c.name;
  }
}

// Started at sign-in: the mouse is configured and the driver runs, but the
// window never shows; the icon waits in the notification area.
TEST(TrayStart, RunsTheWholeStartSequenceWithoutShowingTheWindow) {
  SimDesktop desktop;
  MouseProgram program(desktop);
  WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=1\n[Config1]\nK1=1\nK4=31\n");
  bool ran = false;
  program.os.windows.whileModal = [&](SimWindowHost& window) {
    ran = true;
    EXPECT_FALSE(window.IsVisible());
    EXPECT_FALSE(window.IsMinimized());  // a minimised window has a taskbar button
    EXPECT_TRUE(program.os.tray.IconShown());
    EXPECT_EQ(program.os.tray.Calls().back().tip, u"TX80_KARVO 宏编程电竞鼠标");
    EXPECT_FALSE(program.mouse->Reports().empty());  // applied
    const auto threads = program.os.threads.Started();
    ASSERT_GE(threads.size(), 3u);  // reader, executor, blink
    EXPECT_EQ(threads[0].priority, ThreadPriority::Highest);
    EXPECT_EQ(threads[1].priority, ThreadPriority::Highest);

    ButtonReportReader reader = program.context.Reader();
    FunctionExecutor executor = program.context.Executor();
    program.mouse->Release(5);  // the start click
    reader.Step();
    program.mouse->Press(5);
    reader.Step();
    executor.PerformPendingPress();
    EXPECT_EQ(program.os.input.Events().size(), 4u);  // Ctrl+C
  };
  EXPECT_FALSE(CNRV_VIruviApp(program.context, u"/tray").InitInstance());
  EXPECT_TRUE(ran);
}

TEST(TrayStart, AnOrdinaryStartShowsTheWindowAndNoIcon) {
  SimDesktop desktop;
  MouseProgram program(desktop);
  program.os.windows.whileModal = [&](SimWindowHost& window) {
    EXPECT_TRUE(window.IsVisible());
    EXPECT_FALSE(program.os.tray.IconShown());
  };
  CNRV_VIruviApp(program.context).InitInstance();
}

}  // namespace
}  // namespace tx80

namespace tx80 {
namespace {

TEST(StartWithWindowsApproval, AnEntryDisabledInTaskManagerShowsUncheckedAndTickingEnablesIt) {
  SimDesktop desktop;
  test::MouseProgram program(desktop);
  SimWindowHost& window = program.Start();
  TrayOptions& options = program.dialog.Options();
  SimAutoStart& autoStart = program.os.autoStart;
  const struct {
    const char* what;
    std::string approval;  // empty: none
    bool checked;
  } cases[] = {
      {"never touched", "", true},
      {"enabled", std::string("\x02\0\0\0\0\0\0\0\0\0\0\0", 12), true},
      {"disabled", std::string("\x03\0\0\0\x10\x20\x30\x40\0\0\0\0", 12), false},
      {"disabled, other flag", std::string("\x07\0\0\0\0\0\0\0\0\0\0\0", 12), false},
  };
  for (const auto& c : cases) {
    autoStart.entries[u"TX80"] = AutoStartCommand(program.context.paths.programFile);
    autoStart.approvals.clear();
    if (!c.approval.empty()) autoStart.approvals[u"TX80"] = c.approval;
    EXPECT_EQ(options.CheckMark(TrayOptions::kStartWithWindows), c.checked) << c.what;
  }
  // Ticking the disabled entry clears the mark: it is on again, as the system sees it.
  window.Deliver({fw::msg::kCommand, TrayOptions::kStartWithWindows, 0, true});
  EXPECT_TRUE(autoStart.approvals.empty());
  EXPECT_EQ(options.CheckMark(TrayOptions::kStartWithWindows), true);
  EXPECT_EQ(autoStart.entries.count(u"TX80"), 1u);
}

}  // namespace
}  // namespace tx80
