#include "MacroPageFixture.h"
#include "macro/MacroFile.h"

namespace tx80::test {
namespace {

using MacroRecordScenario = MacroPageTest;

// A user makes a macro, records "ab" typed with known pauses, saves, and the
// program reads the same macro back from the file.
TEST_F(MacroRecordScenario, RecordSaveAndReload) {
  nameEdit().SetText(u"ab");
  page.NewMacro();
  ASSERT_EQ(macroList().Lines(), std::vector<std::u16string>{u"ab"});

  page.ToggleRecording();
  auto key = [&](int64_t atMs, uint32_t message, uint32_t virtualKey) {
    os.keyboardHook.TypeAt(atMs, message, virtualKey);
    window->PumpPosted();
  };
  key(1'000, fw::msg::kKeyDown, 'A');
  key(1'080, fw::msg::kKeyUp, 'A');
  key(1'300, fw::msg::kKeyDown, 'B');
  key(1'345, fw::msg::kKeyUp, 'B');
  page.ToggleRecording();
  page.SaveMacros();

  MacroStore reloaded;
  LoadMacroFile(os.files, reloaded, MacroFilePath(context.paths.programDirectory, 1), os.dialogs, nullptr);
  ASSERT_EQ(reloaded.MacroCount(), 1);
  const auto macro = reloaded.Copy(0);
  EXPECT_EQ(macro->Name(), u"ab");
  EXPECT_EQ(macro->RepeatMode(), 0);
  EXPECT_EQ(macro->RepeatCount(), 1);
  const std::vector<Event> expected{{'A', 1, 80}, {'A', 2, 220}, {'B', 1, 45}, {'B', 2, 30}};
  std::vector<Event> events;
  for (int k = 0; k < macro->EventCount(); ++k) events.push_back({macro->Code(k), macro->Action(k), macro->Delay(k)});
  EXPECT_EQ(events, expected);
  EXPECT_EQ(eventList().Lines(), (std::vector<std::u16string>{u"[↓]A", u"    80ms", u"[↑]A", u"    220ms", u"[↓]B",
                                                              u"    45ms", u"[↑]B"}));
}

}  // namespace
}  // namespace tx80::test
