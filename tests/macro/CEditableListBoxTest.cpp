#include "macro/CEditableListBox.h"

#include "MacroPageFixture.h"
#include "framework/ControlStyles.h"

namespace tx80::test {
namespace {

using Lines = std::vector<std::u16string>;

// An editable list in a window of its own, whose parent keeps every notice.
class CEditableListBoxTest : public ::testing::Test {
 protected:
  void Make(uint32_t extraStyle = fw::style::kListNotify) {
    window = &os.windows.Open(dialog);
    os.childControls.CreateListBox(
        dialog, list, {{0, 0, 200, 160}, 7, fw::style::kChild | fw::style::kVisible | extraStyle});
    for (auto line : {u"[↓]A", u"    30ms", u"[↑]A"}) list.AddString(line);
  }
  SimListBox& sim() { return *os.childControls.ListBox(7); }
  SimEdit* editor() { return sim().Editor(); }
  void Open(int line) {
    sim().Click(line);
    list.Send(fw::msg::kChar, 1);
  }

  SimDesktop desktop;
  TempDir dir;
  SimPlatform os{desktop};
  AppContext context{os.platform, dir.path()};
  PageDialog dialog{context};
  CEditableListBox list;
  SimWindowHost* window = nullptr;
};

TEST_F(CEditableListBoxTest, OpensOverTheSelectedLineWithItsText) {
  Make();
  Open(1);
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->Text(), u"    30ms");
  EXPECT_TRUE(editor()->AllSelected());
  EXPECT_TRUE(editor()->HasFocus());
  EXPECT_EQ(list.EditIndex(), 1);
  const fw::Rect line = list.ItemRect(1);
  EXPECT_EQ(editor()->Layout().rect, (fw::Rect{line.left, line.top - 2, line.right, line.bottom + 2}));
  EXPECT_EQ(editor()->Layout().id, 1);
  EXPECT_EQ(editor()->Layout().exStyle, fw::style::kExClientEdge);
}

TEST_F(CEditableListBoxTest, OnlyCharacterOneOnASelectedLineOpensIt) {
  Make();
  list.Send(fw::msg::kChar, 1);  // nothing selected
  EXPECT_EQ(editor(), nullptr);
  sim().Click(0);
  list.Send(fw::msg::kChar, 'a');
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 0);
}

TEST_F(CEditableListBoxTest, ReturnWithTheTextUnchangedReplacesNothing) {
  Make();
  Open(1);
  editor()->KeyUp(fw::vk::kReturn);
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(dialog.Count(kLineEditedMessage), 0);
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 1);
  EXPECT_EQ(list.EditIndex(), -1);
}

TEST_F(CEditableListBoxTest, ReturnKeepsTheTypedText) {
  Make();
  Open(1);
  editor()->Type(u"250");
  editor()->KeyUp(fw::vk::kReturn);
  EXPECT_EQ(sim().Lines(), (Lines{u"[↓]A", u"250", u"[↑]A"}));
  EXPECT_EQ(list.CurSel(), 1);
  ASSERT_EQ(dialog.Count(kLineEditedMessage), 1);
  EXPECT_EQ(dialog.notices.front().wParam, 1u);
  EXPECT_EQ(dialog.oldTexts, Lines{u"    30ms"});
  // Destroying the focused editor asks to end the edit once more; the parent
  // still hears of the close once.
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 1);
}

TEST_F(CEditableListBoxTest, EscapeDiscardsTheTypedText) {
  Make();
  Open(1);
  editor()->Type(u"999");
  editor()->KeyUp(fw::vk::kEscape);
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(sim().Lines()[1], u"    30ms");
  EXPECT_EQ(dialog.Count(kLineEditedMessage), 0);
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 1);
}

TEST_F(CEditableListBoxTest, LosingTheFocusKeepsTheTypedText) {
  Make();
  Open(1);
  editor()->Type(u"45ms");
  os.childControls.SetFocus(nullptr);  // a click elsewhere
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(sim().Lines()[1], u"45ms");
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 1);
}

TEST_F(CEditableListBoxTest, ScrollingKeepsTheTextAndCloses) {
  Make();
  Open(1);
  editor()->Type(u"60ms");
  sim().ScrollDown();
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(sim().Lines()[1], u"60ms");
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 1);
}

TEST_F(CEditableListBoxTest, SortedListPutsTheEditedLineInOrderWithoutNotice) {
  Make(fw::style::kListSort);  // sorted, no kListNotify
  Open(0);
  editor()->Type(u"zzz");
  editor()->KeyUp(fw::vk::kReturn);
  EXPECT_EQ(sim().Lines().back(), u"zzz");
  EXPECT_EQ(list.CurSel(), 2);
  EXPECT_EQ(dialog.Count(kLineEditedMessage), 0);
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 1);
}

TEST_F(CEditableListBoxTest, DestroyingTheListWhileEditingClosesTheEditorOnce) {
  Make();
  Open(1);
  editor()->Type(u"70ms");
  list.DestroyWindow();
  EXPECT_FALSE(list.HasWindow());
  EXPECT_FALSE(list.Editing());
  EXPECT_EQ(dialog.Count(kEditorClosedMessage), 1);
}

}  // namespace
}  // namespace tx80::test
