#include "macro/MacroPage.h"

#include "MacroPageFixture.h"
#include "framework/ControlStyles.h"
#include "framework/Decimal.h"
#include "framework/Utf.h"
#include "macro/MacroFile.h"

namespace tx80::test {
namespace {

using Lines = std::vector<std::u16string>;

// Menu commands of the English menu (the Chinese ids act the same).
constexpr uint32_t kBeforeRightDown = 32804;
constexpr uint32_t kAfterLeftDown = 32809;
constexpr uint32_t kModifyDelay = 32780;
constexpr uint32_t kDeleteEvent = 32781;

const std::initializer_list<Event> kThreeEvents = {{'A', 1, 10}, {'A', 2, 20}, {'B', 1, 30}};

TEST_F(MacroPageTest, ControlsAreMadeAndDestroyedInTheirOrder) {
  EXPECT_EQ(os.childControls.CreatedIds(), (std::vector<int>{10004, 10000, 10001, 10002}));
  EXPECT_EQ(repeatEdit().Layout().rect, kRects[0]);
  EXPECT_EQ(eventList().Layout().rect, kRects[3]);
  EXPECT_EQ(nameEdit().Layout().style, fw::style::kChild | fw::style::kVisible | fw::style::kEditWantReturn |
                                         fw::style::kEditCenter);
  EXPECT_EQ(macroList().Layout().style,
            fw::style::kChild | fw::style::kVisible | fw::style::kVScroll | fw::style::kListNotify);
  page.DestroyControls();
  EXPECT_EQ(os.childControls.DestroyedIds(), (std::vector<int>{10004, 10000, 10001, 10002}));
  EXPECT_FALSE(page.EventList().HasWindow());
}

TEST_F(MacroPageTest, SelectingAMacroShowsIt) {
  AddMacro(u"first", {{'A', 1, 5}});
  AddMacro(u"second", kThreeEvents);
  macroList().Click(0);
  EXPECT_EQ(store.CurrentMacro(), 0);
  EXPECT_EQ(nameEdit().Text(), u"first");
  EXPECT_EQ(eventList().Lines(), Lines{u"[↓]A"});
}

TEST_F(MacroPageTest, NewMacroWithAnExistingNameSelectsIt) {
  AddMacro(u"a", {{'A', 1, 5}});
  AddMacro(u"b");
  nameEdit().SetText(u"a");
  page.NewMacro();
  EXPECT_EQ(store.MacroCount(), 2);
  EXPECT_EQ(macroList().CurSel(), 0);
  EXPECT_EQ(store.CurrentMacro(), 0);
  EXPECT_TRUE(macroList().HasFocus());
}

TEST_F(MacroPageTest, NewMacroCutsTheNameTo19CodeUnits) {
  AddMacro(u"a", {{'A', 1, 5}});
  const std::u16string longName = u"abcdefghijklmnopqrstuvwxyz";
  nameEdit().SetText(longName);
  page.NewMacro();
  page.NewMacro();  // the same long name again finds the macro it made
  EXPECT_EQ(store.MacroCount(), 2);
  EXPECT_EQ(macroList().Lines(), (Lines{u"a", longName.substr(0, 19)}));
  EXPECT_EQ(macroList().CurSel(), 1);
  EXPECT_TRUE(eventList().Lines().empty());

  nameEdit().SetText(u"");
  page.NewMacro();
  EXPECT_EQ(store.MacroCount(), 2);
}

TEST_F(MacroPageTest, NoThirteenthMacro) {
  for (int i = 0; i < 12; ++i) store.AddMacro(u"m" + FormatDecimal(i));
  page.RefreshMacroList();
  nameEdit().SetText(u"thirteen");
  page.NewMacro();
  EXPECT_EQ(store.MacroCount(), 12);
  EXPECT_EQ(macroList().Lines().size(), 12u);
}

TEST_F(MacroPageTest, DeletingTheFirstMacroSelectsTheNewFirst) {
  AddMacro(u"a");
  AddMacro(u"b", kThreeEvents);
  AddMacro(u"c");
  macroList().Click(0);
  page.DeleteMacro();
  EXPECT_EQ(macroList().Lines(), (Lines{u"b", u"c"}));
  EXPECT_EQ(macroList().CurSel(), 0);
  EXPECT_EQ(store.CurrentMacro(), 0);
  EXPECT_EQ(nameEdit().Text(), u"b");
  EXPECT_EQ(eventList().Lines().size(), 5u);
}

TEST_F(MacroPageTest, DeletingTheLastMacroEmptiesThePage) {
  AddMacro(u"only", {{'A', 1, 5}});
  store.SetRepeatMode(0, 1);
  store.SetRepeatCount(0, 4);
  page.RefreshMacroList();
  page.DeleteMacro();
  EXPECT_EQ(store.MacroCount(), 0);
  EXPECT_EQ(nameEdit().Text(), u"");
  EXPECT_EQ(repeatEdit().Text(), u"1");
  EXPECT_FALSE(repeatEdit().IsEnabled());
  EXPECT_TRUE(eventList().Lines().empty());
}

TEST_F(MacroPageTest, DeleteMacroNeedsASelectionAndNoRecording) {
  AddMacro(u"a");
  AddMacro(u"b");
  macroList().SetCurSel(-1);
  page.DeleteMacro();
  EXPECT_EQ(store.MacroCount(), 2);
  macroList().Click(1);
  page.ToggleRecording();
  page.DeleteMacro();
  EXPECT_EQ(store.MacroCount(), 2);
}

TEST_F(MacroPageTest, SaveMacrosClampsTheRepeatCount) {
  AddMacro(u"m", {{'A', 1, 5}});
  struct Case {
    std::u16string typed;
    uint16_t stored;
    std::u16string shown;
  };
  for (const auto& [typed, stored, shown] : {Case{u"0", 1, u"1"}, Case{u"70000", 65535, u"65535"},
                                             Case{u"abc", 1, u"1"}, Case{u" 42", 42, u" 42"}}) {
    SCOPED_TRACE(Utf16ToUtf8(typed));
    repeatEdit().SetText(typed);
    page.SaveMacros();
    EXPECT_EQ(store.Copy(0)->RepeatCount(), stored);
    EXPECT_EQ(repeatEdit().Text(), shown);
  }
  MacroStore reloaded;
  LoadMacroFile(os.files, reloaded, MacroFilePath(dir.path(), 1), os.dialogs, nullptr);
  EXPECT_EQ(reloaded.Copy(0)->RepeatCount(), 42);
}

TEST_F(MacroPageTest, SaveWithRepeatOffStoresOne) {
  AddMacro(u"m", {{'A', 1, 5}});
  store.SetRepeatCount(0, 9);
  page.SaveMacros();  // the disabled edit shows "1"
  EXPECT_EQ(store.Copy(0)->RepeatCount(), 1);
}

TEST_F(MacroPageTest, ToggleRepeatModeTwiceShowsTheStoredCount) {
  AddMacro(u"m", {{'A', 1, 5}});
  store.SetRepeatCount(0, 5);
  page.ToggleRepeatMode();
  EXPECT_EQ(store.Copy(0)->RepeatMode(), 1);
  EXPECT_EQ(repeatEdit().Text(), u"5");
  EXPECT_TRUE(repeatEdit().IsEnabled());
  repeatEdit().SetText(u"77");
  page.ToggleRepeatMode();
  EXPECT_EQ(repeatEdit().Text(), u"1");
  EXPECT_FALSE(repeatEdit().IsEnabled());
  page.ToggleRepeatMode();
  EXPECT_EQ(repeatEdit().Text(), u"5");
  EXPECT_EQ(store.Copy(0)->RepeatCount(), 5);
}

TEST_F(MacroPageTest, MenuShowsOnlyOverTheListsLines) {
  AddMacro(u"m", kThreeEvents);
  RightClickLine(2);
  RightClickLine(5);  // below the last line
  os.popupMenus.cursor = {5, 5};  // outside the list
  RightClickAtCursor();
  page.DestroyControls();  // the page left
  RightClickAtCursor();
  page.CreateControls(kRects);
  page.RefreshMacroList();
  page.ToggleRecording();
  RightClickLine(1);
  page.ToggleRecording();
  ASSERT_EQ(os.popupMenus.ShownMenus().size(), 1u);
  const SimPopupMenus::Shown& shown = os.popupMenus.ShownMenus()[0];
  EXPECT_EQ(shown.menuId, 154);
  EXPECT_EQ(shown.flags, kTrackRightButton);
  EXPECT_EQ(shown.owner, window);
  // The first popup of the owner-drawn EventContextMenu.
  EXPECT_EQ(os.popupMenus.Items(shown.popup)[0].text, u"Add Forward");
  EXPECT_TRUE(os.popupMenus.Items(shown.popup)[0].ownerDrawn);

  context.profile.SetLanguageFlag(0);
  LoadPopupMenus(context.ui.menus, 0);
  AddMacro(u"empty");
  RightClickLine(0);  // an empty list shows the menu
  EXPECT_EQ(os.popupMenus.ShownMenus().back().menuId, 161);
  EXPECT_EQ(page.SelectedLine(), 0);
}

TEST_F(MacroPageTest, InsertAfterOnAnEmptyListMakesTheFirstEvent) {
  AddMacro(u"empty");
  RightClickLine(0, kAfterLeftDown);
  EXPECT_EQ(Events(0), (std::vector<Event>{{240, 1, 30}}));
  EXPECT_EQ(page.SelectedLine(), 0);
  EXPECT_EQ(eventList().Lines(), Lines{u"[↓]Left_Key"});
  EXPECT_EQ(eventList().CurSel(), 0);
}

TEST_F(MacroPageTest, InsertBeforeAtTheDelayOfEventOne) {
  AddMacro(u"m", kThreeEvents);
  RightClickLine(3, kBeforeRightDown);
  EXPECT_EQ(Events(0), (std::vector<Event>{{'A', 1, 10}, {241, 1, 30}, {'A', 2, 20}, {'B', 1, 30}}));
  EXPECT_EQ(page.SelectedLine(), 5);
  // The Chinese menu's id for the same item does the same.
  LoadPopupMenus(context.ui.menus, 0);
  RightClickLine(0, 32820);
  EXPECT_EQ(Events(0)[0], (Event{241, 1, 30}));
}

TEST_F(MacroPageTest, InsertIntoAFullMacroWarns) {
  const int index = AddMacro(u"full");
  for (int k = 0; k < MacroStore::kMaxEvents; ++k) store.InsertEvent(index, k, 'A', 1);
  page.RefreshMacroList();
  RightClickLine(3, kAfterLeftDown);
  EXPECT_EQ(store.Copy(index)->EventCount(), MacroStore::kMaxEvents);
  ASSERT_EQ(os.dialogs.Messages().size(), 1u);
  EXPECT_EQ(os.dialogs.Messages()[0].text, u"Overflow!!!");
  EXPECT_EQ(page.SelectedLine(), 3);
}

TEST_F(MacroPageTest, ModifyDelayOpensTheEditorOnDelayLinesOnly) {
  AddMacro(u"m", kThreeEvents);
  RightClickLine(2, kModifyDelay);
  EXPECT_EQ(eventList().Editor(), nullptr);

  RightClickLine(3, kModifyDelay);
  ASSERT_NE(eventList().Editor(), nullptr);
  eventList().Editor()->Type(u"250");
  eventList().Editor()->KeyUp(fw::vk::kReturn);
  EXPECT_EQ(Events(0)[1].delay, 250);
  EXPECT_EQ(eventList().Lines()[3], u"    250ms");
  EXPECT_EQ(eventList().Editor(), nullptr);
}

TEST_F(MacroPageTest, DelayEditorTextAndEscape) {
  AddMacro(u"m", kThreeEvents);
  RightClickLine(1, kModifyDelay);
  eventList().Editor()->Type(u"abc");
  eventList().Editor()->KeyUp(fw::vk::kReturn);
  EXPECT_EQ(Events(0)[0].delay, 0);
  EXPECT_EQ(eventList().Lines()[1], u"    0ms");

  RightClickLine(3, kModifyDelay);
  eventList().Editor()->Type(u"999");
  eventList().Editor()->KeyUp(fw::vk::kEscape);
  EXPECT_EQ(Events(0)[1].delay, 20);
  EXPECT_EQ(eventList().Lines()[3], u"    20ms");

  RightClickLine(3, kModifyDelay);
  eventList().Editor()->Type(u"70000ms");
  eventList().Editor()->KeyUp(fw::vk::kReturn);
  EXPECT_EQ(Events(0)[1].delay, 65535);
}

TEST_F(MacroPageTest, EditorOpenedOnAnEventLineChangesNoDelay) {
  AddMacro(u"m", kThreeEvents);
  RightClickLine(2);  // the menu was closed without a choice
  eventList().Click(2);
  eventList().Deliver({fw::msg::kChar, 1, 0});  // Ctrl+A typed into the list
  ASSERT_NE(eventList().Editor(), nullptr);
  eventList().Editor()->Type(u"500ms");
  eventList().Editor()->KeyUp(fw::vk::kReturn);
  EXPECT_EQ(Events(0), std::vector<Event>(kThreeEvents));
  EXPECT_EQ(eventList().Lines()[2], u"[↑]A");
}

TEST_F(MacroPageTest, DeleteEventMovesTheSelectedLineBack) {
  AddMacro(u"m", kThreeEvents);
  RightClickLine(2, kDeleteEvent);
  EXPECT_EQ(Events(0), (std::vector<Event>{{'A', 1, 10}, {'B', 1, 30}}));
  EXPECT_EQ(page.SelectedLine(), 0);
  LoadPopupMenus(context.ui.menus, 0);
  RightClickLine(2, 32836);
  EXPECT_EQ(Events(0), (std::vector<Event>{{'A', 1, 10}}));
}

TEST_F(MacroPageTest, MenuCommandsWithoutAMacroChangeNothing) {
  AddMacro(u"m", kThreeEvents);
  macroList().SetCurSel(-1);
  for (uint32_t command : {kAfterLeftDown, kBeforeRightDown, kDeleteEvent}) RightClickLine(1, command);
  RightClickLine(1, kModifyDelay);
  EXPECT_EQ(eventList().Editor(), nullptr);
  EXPECT_EQ(Events(0), std::vector<Event>(kThreeEvents));
}

TEST_F(MacroPageTest, ImportAndExportThroughFileDialogs) {
  AddMacro(u"kept", kThreeEvents);
  const auto exported = dir / "out.dat";
  os.dialogs.fileChoices.push_back(exported);
  page.ExportMacros();
  os.dialogs.fileChoices.push_back(std::nullopt);
  page.ImportMacros();  // cancelled
  EXPECT_EQ(store.MacroCount(), 1);

  AddMacro(u"extra");
  os.dialogs.fileChoices.push_back(exported);
  page.ImportMacros();
  EXPECT_EQ(store.MacroCount(), 1);
  EXPECT_EQ(macroList().Lines(), Lines{u"kept"});
  EXPECT_EQ(Events(0), std::vector<Event>(kThreeEvents));

  const auto shown = os.dialogs.FileDialogs();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_TRUE(shown[0].save);
  EXPECT_EQ(shown[0].defaultExtension, u"dat");
  EXPECT_FALSE(shown[1].save);
  EXPECT_EQ(shown[1].defaultExtension, u"");
  for (const auto& dialog : shown) {
    EXPECT_EQ(dialog.filter, u"All Files(*.dat)|*.dat||");
    EXPECT_EQ(dialog.initialDirectory, dir.path());
  }
}

TEST_F(MacroPageTest, SelectedLineAtStartIsTheLastEventLine) {
  AddMacro(u"m", kThreeEvents);
  page.ResetSelectedLine();
  EXPECT_EQ(page.SelectedLine(), 4);
  AddMacro(u"empty");
  page.ResetSelectedLine();
  EXPECT_EQ(page.SelectedLine(), 0);
}

}  // namespace
}  // namespace tx80::test
