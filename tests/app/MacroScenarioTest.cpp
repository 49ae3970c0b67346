#include <gtest/gtest.h>

#include "device/ApplyProfile.h"
#include "device/ButtonReportReader.h"
#include "functions/FunctionExecutor.h"
#include "macro/MacroFile.h"
#include "support/MouseProgram.h"

namespace tx80 {
namespace {

// A user records "ab" on the macro page of the real main window, saves it,
// gives it to button 4 and plays it with the mouse; a later start finds it.
TEST(MacroScenario, RecordSavePlayAndReload) {
  SimDesktop desktop;
  test::MouseProgram program(desktop);
  test::WriteFile(program.dir / "config.ini", "[Init]\nCurConfig=1\nVER_SEL=1\n[Config1]\nK1=1\n");
  SimWindowHost& window = program.Start();
  MacroPage& page = program.dialog.Macros();
  page.CreateControls(program.context.ui.skin.ControlRects);
  program.os.childControls.Edit(MacroPage::kMacroNameEditId)->SetText(u"ab");
  page.NewMacro();

  page.ToggleRecording();
  auto key = [&](int64_t atMs, uint32_t message, uint32_t virtualKey) {
    program.os.keyboardHook.TypeAt(atMs, message, virtualKey);
    window.PumpPosted();  // through the main window's PreTranslateMessage
  };
  key(1'000, fw::msg::kKeyDown, 'A');
  key(1'050, fw::msg::kKeyUp, 'A');
  key(1'200, fw::msg::kKeyDown, 'B');
  key(1'240, fw::msg::kKeyUp, 'B');
  page.ToggleRecording();
  page.SaveMacros();

  program.context.profile.SetButtonFunction(4, 41);
  ApplyProfile(program.context.applyTarget);
  ButtonReportReader reader = program.context.Reader();
  FunctionExecutor executor = program.context.Executor();
  program.mouse->Release(5);  // the start click
  reader.Step();
  program.os.input.Clear();
  program.mouse->Press(5);
  reader.Step();
  executor.PerformPendingPress();
  std::vector<std::pair<int, int64_t>> played;  // key, time since the first event
  const auto events = program.os.input.Events();
  for (const auto& e : events) played.emplace_back(e.virtualKey, e.timeMs - events.front().timeMs);
  EXPECT_EQ(played, (std::vector<std::pair<int, int64_t>>{{'A', 0}, {'A', 50}, {'B', 200}, {'B', 240}}));

  MacroStore reloaded;
  LoadMacroFile(program.os.files, reloaded, program.dir / "Macro_EN.dat", program.os.dialogs, nullptr);
  ASSERT_EQ(reloaded.MacroCount(), 1);
  EXPECT_EQ(reloaded.Copy(0)->Name(), u"ab");
  EXPECT_EQ(reloaded.Copy(0)->EventCount(), 4);
}

}  // namespace
}  // namespace tx80
