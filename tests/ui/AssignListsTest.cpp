#include <gtest/gtest.h>

#include "AssignListsFixture.h"

namespace tx80::test {
namespace {

using Buttons = std::array<int32_t, 7>;

TEST_F(AssignListsTest, ListOpensBelowItsElementShapedByTheMask) {
  Open(3);
  EXPECT_TRUE(os.windows.modalTemplates.empty()) << "slot 1 keeps the left click: no warning";
  SimWindowHost* list = List();
  ASSERT_TRUE(list);
  EXPECT_EQ(State().AssignTarget, 27);
  EXPECT_TRUE(State().MenuOpen);
  EXPECT_EQ(list->Caption(), u"MainMenuDlg");
  EXPECT_EQ(list->Owner(), main);
  EXPECT_TRUE(list->IsVisible());
  // Left-aligned with element 27 at (20, 60), directly below its 16 pixels.
  EXPECT_EQ(list->ScreenRect(), (fw::Rect{120, 126, 420, 426}));
  // Rows of 103 / 10 = 10 pixels; the outline takes one pixel line more.
  EXPECT_EQ(list->Shape(), (std::vector<fw::Rect>{{0, 0, kW, 101}}));
}

class ListLabelsTest : public AssignListsTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(ListLabelsTest, RowUnderThePointerIsHighlightedAndItsLabelRed) {
  const FontCase& font = GetParam();
  context.profile.SetLanguageFlag(font.language);
  Open(3);
  ASSERT_TRUE(List());
  List()->MoveTo(5, RowMiddle(2));
  const SimCanvas* canvas = List()->Paint();
  ASSERT_TRUE(canvas);
  EXPECT_EQ(canvas->Surface().Pixel(5, RowMiddle(1)), kNormal);
  EXPECT_EQ(canvas->Surface().Pixel(5, RowMiddle(2)), kOver);
  EXPECT_EQ(canvas->Surface().Pixel(5, RowMiddle(3)), kNormal);

  ASSERT_EQ(canvas->Texts().size(), 10u);
  for (int row = 1; row <= 10; ++row) {
    const auto& text = canvas->Texts()[static_cast<std::size_t>(row - 1)];
    SCOPED_TRACE(row);
    EXPECT_EQ(text.text, u"F" + Number(row));
    const int width = static_cast<int>(text.text.size()) * font.width;
    EXPECT_EQ(text.x, (kW - width) / 2);
    EXPECT_EQ(text.y, (row - 1) * kH + (kH - font.height) / 2);
    EXPECT_EQ(text.colour, row == 2 ? (fw::Rgb{255, 0, 0}) : (fw::Rgb{255, 255, 255}));
    EXPECT_EQ(text.face, font.face);
    EXPECT_EQ(text.fontHeight, font.height);
  }

  // While the button is held on the row, its band comes from the down picture.
  List()->Press(5, RowMiddle(2));
  EXPECT_EQ(List()->Paint()->Surface().Pixel(5, RowMiddle(2)), kDown);
}

INSTANTIATE_TEST_SUITE_P(Languages, ListLabelsTest,
                         ::testing::Values(FontCase{1, 15, 7, u"Consolas"}, FontCase{0, 12, 6, u"宋体"}),
                         LanguageName);

struct SubListCase {
  int row;
  int macros;
  int rows;       // of the sub-list
  int topInRows;  // its top below the list's top, in rows
  std::vector<std::u16string> labels;
};

class SubListPlacementTest : public AssignListsTest, public ::testing::WithParamInterface<SubListCase> {};

TEST_P(SubListPlacementTest, RestingOnAGroupRowOpensItsMembersBesideTheList) {
  const SubListCase& c = GetParam();
  while (context.macros.MacroCount() > c.macros) context.macros.RemoveMacro(0);
  Open(3);
  RestOn(c.row);
  SimWindowHost* sub = SubList();
  ASSERT_TRUE(sub);
  EXPECT_TRUE(State().SubMenuOpen);
  EXPECT_EQ(sub->Owner(), &State().MenuWindow->Host());
  EXPECT_TRUE(sub->IsVisible());
  EXPECT_EQ(State().SubRowCount, c.rows);
  const int top = 126 + c.topInRows * kH;
  EXPECT_EQ(sub->ScreenRect(), (fw::Rect{120 + kW, top, 120 + kW + 300, top + 400}));
  const std::vector<fw::Rect> outline =
      c.rows ? std::vector<fw::Rect>{{0, 0, kSubW, c.rows * kH + 1}} : std::vector<fw::Rect>{};
  EXPECT_EQ(sub->Shape(), outline);

  std::vector<std::u16string> labels;
  for (const auto& text : sub->Paint()->Texts()) labels.push_back(text.text);
  EXPECT_EQ(labels, c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, SubListPlacementTest,
    ::testing::Values(
        SubListCase{7, 3, 9, -1, {u"F11", u"F12", u"F13", u"F14", u"F15", u"F16", u"F17", u"F18", u"F19"}},
        // The last of its six rows lines up with row 8.
        SubListCase{8, 3, 6, 2, {u"F21", u"F22", u"F23", u"F24", u"F25", u"F26"}},
        // Three macros lie beside rows 7 to 9.
        SubListCase{9, 3, 3, 6, {u"Alpha", u"Beta", u"Gamma"}},
        SubListCase{10, 3, 10, 0, {u"F31", u"F32", u"F33", u"F34", u"F35", u"F36", u"F37", u"F38", u"F39", u"F40"}},
        // Without macros the sub-list has no outline: nothing to see or click.
        SubListCase{9, 0, 0, 9, {}}),
    [](const auto& info) {
      return "Row" + std::to_string(info.param.row) + "With" + std::to_string(info.param.macros) + "Macros";
    });

TEST_F(AssignListsTest, EveryPaintOfTheListReplacesTheSubList) {
  Open(3);
  RestOn(8);
  SimWindowHost* first = SubList();
  ASSERT_TRUE(first);
  RestOn(10);
  EXPECT_TRUE(first->Destroyed());
  ASSERT_TRUE(SubList());
  EXPECT_EQ(State().SubRowCount, 10);
  RestOn(3);
  EXPECT_FALSE(SubList());
  EXPECT_FALSE(State().SubMenuOpen);
}

struct AssignCase {
  const char* name;
  int row;
  int subRow;  // 0: released on the list row itself
  int32_t code;
};

class AssignmentTest : public AssignListsTest, public ::testing::WithParamInterface<AssignCase> {};

TEST_P(AssignmentTest, ReleaseStoresTheFunctionAndClosesBothLists) {
  const AssignCase& c = GetParam();
  Open(3);
  RestOn(c.row);
  SimWindowHost* list = List();
  SimWindowHost* sub = SubList();
  const int invalidations = main->Invalidations();
  if (c.subRow) {
    ASSERT_TRUE(sub);
    sub->Click(5, RowMiddle(c.subRow));
  } else {
    list->Click(5, RowMiddle(c.row));
  }
  EXPECT_EQ(Functions(), (Buttons{1, 2, c.code, 5, 4, 18, 17}));
  EXPECT_TRUE(list->Destroyed());
  if (sub) {
    EXPECT_TRUE(sub->Destroyed());
  }
  EXPECT_FALSE(State().MenuOpen);
  EXPECT_FALSE(State().SubMenuDone) << "the main window's paint has closed the list";
  EXPECT_GT(main->Invalidations(), invalidations) << "the element is repainted with its new function";
}

INSTANTIATE_TEST_SUITE_P(Rows, AssignmentTest,
                         ::testing::Values(AssignCase{"DirectRow", 5, 0, 5}, AssignCase{"FirstOfRow7", 7, 1, 11},
                                           AssignCase{"ThirdOfRow8", 8, 3, 23}, AssignCase{"SecondMacro", 9, 2, 42},
                                           AssignCase{"LastOfRow10", 10, 10, 40}),
                         [](const auto& info) { return info.param.name; });

struct NoAssignCase {
  const char* name;
  int restRow;
  bool onSubList;
  int y;  // of the release, in the list or sub-list
  bool subListStays;
};

class NoAssignmentTest : public AssignListsTest, public ::testing::WithParamInterface<NoAssignCase> {};

TEST_P(NoAssignmentTest, ReleaseAssignsNothingAndTheListsStay) {
  const NoAssignCase& c = GetParam();
  Open(3);
  RestOn(c.restRow);
  (c.onSubList ? SubList() : List())->Click(5, c.y);
  List()->Idle();
  EXPECT_EQ(Functions(), (Buttons{1, 2, 3, 5, 4, 18, 17}));
  ASSERT_TRUE(List());
  EXPECT_TRUE(List()->IsVisible());
  EXPECT_EQ(SubList() != nullptr, c.subListStays);
  EXPECT_FALSE(State().SubMenuDone);
}

INSTANTIATE_TEST_SUITE_P(
    Places, NoAssignmentTest,
    ::testing::Values(NoAssignCase{"GroupRow7", 7, false, 6 * 10 + 5, true},
                      // Row 8's sub-list has six rows; its outline's last line lies below them.
                      NoAssignCase{"SubListLastPixelLine", 8, true, 6 * 10, true},
                      NoAssignCase{"ListLastPixelLine", 8, false, 10 * 10, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(AssignListsTest, PressOnTheMainPageClosesBothListsWithoutAssigning) {
  Open(3);
  RestOn(8);
  SimWindowHost* list = List();
  SimWindowHost* sub = SubList();
  ASSERT_TRUE(list && sub);
  main->Press(300, 250);
  EXPECT_TRUE(list->Destroyed());
  EXPECT_TRUE(sub->Destroyed());
  EXPECT_FALSE(State().MenuOpen);
  EXPECT_EQ(Functions(), (Buttons{1, 2, 3, 5, 4, 18, 17}));
}

struct WarningCase {
  const char* name;
  Buttons before;
  int slot;
  bool warned;
  int answer;  // the warning's item released on: 0 go on, 1 give up
  int row;     // then released on this list row; 0: none
  Buttons after;
};

class LastLeftClickTest : public AssignListsTest, public ::testing::WithParamInterface<WarningCase> {};

TEST_P(LastLeftClickTest, WarningComesBeforeTheLastLeftClickIsGivenAway) {
  const WarningCase& c = GetParam();
  SetButtons(c.before);
  os.windows.onModal[WarningDlg::kTemplateId] = [&](SimWindowHost& warning) {
    const SkinItem& item = context.ui.skin.WarningItems[static_cast<std::size_t>(c.answer)];
    warning.Click(item.x + 1, item.y + 1);
  };
  Open(c.slot);
  EXPECT_EQ(os.windows.modalTemplates, c.warned ? std::vector<int>{105} : std::vector<int>{});
  if (c.answer == 1) {
    EXPECT_FALSE(List()) << "giving up opens no list";
    EXPECT_FALSE(State().MenuOpen);
  } else {
    ASSERT_TRUE(List());
    if (c.row) List()->Click(5, RowMiddle(c.row));
  }
  EXPECT_EQ(Functions(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LastLeftClickTest,
    ::testing::Values(
        WarningCase{"Slot1GivesUp", {1, 2, 3, 5, 4, 18, 17}, 1, true, 1, 0, {1, 2, 3, 5, 4, 18, 17}},
        // The next button takes the left click over.
        WarningCase{"Slot1GoesOn", {1, 2, 3, 5, 4, 18, 17}, 1, true, 0, 3, {3, 1, 3, 5, 4, 18, 17}},
        // The last button has no next one: it keeps the left click.
        WarningCase{"Slot7GoesOn", {2, 2, 3, 5, 4, 18, 1}, 7, true, 0, 3, {2, 2, 3, 5, 4, 18, 1}},
        WarningCase{"TwoLeftClicks", {1, 1, 3, 5, 4, 18, 17}, 1, false, 0, 5, {5, 1, 3, 5, 4, 18, 17}}),
    [](const auto& info) { return info.param.name; });

TEST_F(AssignListsTest, ListWithoutPicturesStillOpensAndPaints) {
  for (const char* name : {"menu_mask.jpg", "menu_normal.jpg", "menu_over.jpg", "menu_down.jpg"})
    Spoil(name);
  Open(3);
  ASSERT_TRUE(List());
  const SimCanvas* canvas = List()->Paint();
  ASSERT_TRUE(canvas);
  EXPECT_EQ(canvas->Texts().size(), 10u);
  main->Press(300, 250);
  EXPECT_FALSE(List());
}

TEST_F(AssignListsTest, WithoutItsMaskTheListTakesTheNormalPicturesSize) {
  Spoil("menu_mask.jpg");
  Spoil("menu_over.jpg");
  Open(3);
  ASSERT_TRUE(List());
  EXPECT_EQ(List()->Shape(), (std::vector<fw::Rect>{{0, 0, kW, 101}}));
  RestOn(2);
  const SimCanvas* canvas = List()->LastPaint();
  EXPECT_EQ(canvas->Surface().Pixel(5, RowMiddle(2)), kNormal) << "no over picture, no band";
  EXPECT_EQ(canvas->Texts()[1].colour, (fw::Rgb{255, 0, 0}));
}

}  // namespace
}  // namespace tx80::test
