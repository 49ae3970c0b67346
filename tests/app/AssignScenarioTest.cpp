// Giving a button its function through the main window's assignment lists,
// with the shipped skin: from the element to the mouse.
#include <gtest/gtest.h>

#include <string>

#include "support/MainWindowUser.h"
#include "support/MouseProgram.h"
#include "ui/CMenuDlg.h"
#include "ui/CSubMenuDlg.h"
#include "ui/WarningDlg.h"

namespace tx80 {
namespace {

using test::MouseProgram;

// An English program with the factory profile: only button 1 holds the left click.
class AssignScenario : public ::testing::Test {
 protected:
  SimWindowHost& StartProgram() {
    std::string config = test::kFactoryProfile;
    config.insert(config.find("[Config1]"), "VER_SEL=1\n");
    test::WriteFile(program.dir / "config.ini", config);
    return program.Start();
  }
  SimWindowHost* HostOf(fw::Dialog* dialog) {
    return dialog && dialog->HasWindow() ? program.os.windows.HostOf(&dialog->Host()) : nullptr;
  }
  SimWindowHost* List() { return HostOf(lists.MenuWindow.get()); }
  SimWindowHost* SubList() { return HostOf(lists.SubMenuWindow.get()); }

  SimDesktop desktop;
  MouseProgram program{desktop};
  SimWindowHost& window = StartProgram();
  test::MainWindowUser user{window, program.context.ui.skin};
  AssignListState& lists = program.context.ui.assignList;
};

TEST_F(AssignScenario, ShortcutChosenFromAGroupReachesTheMouseAtTheNextApply) {
  user.Click(user.Main(28));  // button 4
  ASSERT_TRUE(List());
  const int h = lists.MenuWindow->RowHeight();
  ASSERT_EQ(h, 26);
  List()->MoveTo(10, 9 * h + h / 2);  // row 10, the shortcuts
  List()->Paint();
  SimWindowHost* list = List();
  SimWindowHost* sub = SubList();
  ASSERT_TRUE(sub);
  sub->Click(10, h / 2);  // Ctrl+C

  EXPECT_EQ(program.context.profile.Fields().K[3], 31);
  EXPECT_TRUE(list->Destroyed());
  EXPECT_TRUE(sub->Destroyed());
  // The main window's paint closed the list and shows the new function.
  const SimCanvas* page = window.LastPaint();
  ASSERT_TRUE(page);
  const auto* label = page->FindText(program.context.ui.skin.FunctionNames[31]);
  ASSERT_TRUE(label);
  EXPECT_EQ(label->x, program.context.ui.skin.MainItems[28].x + 5);

  program.mouse->ClearReports();
  user.Click(user.Main(3));  // apply
  EXPECT_EQ(program.mouse->GetState().buttonCode[4], 31) << "slot 4 is the mouse's button 5";
}

TEST_F(AssignScenario, WarningForTheLastLeftClickCancelledLeavesTheProfileAsItWas) {
  const ProfileFields before = program.context.profile.Fields();
  std::vector<std::u16string> texts;
  program.os.windows.onModal[WarningDlg::kTemplateId] = [&](SimWindowHost& warning) {
    for (const auto& text : warning.Paint()->Texts()) texts.push_back(text.text);
    warning.Send(fw::msg::kCommand, fw::kIdCancel, 0);  // Escape
  };
  user.Press(user.Main(25));
  EXPECT_EQ(program.os.windows.modalTemplates, std::vector<int>{WarningDlg::kTemplateId});
  EXPECT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts.back(), program.context.ui.skin.WarningItems[2].text);
  EXPECT_FALSE(List());
  EXPECT_EQ(program.context.profile.Fields(), before);
}

}  // namespace
}  // namespace tx80
