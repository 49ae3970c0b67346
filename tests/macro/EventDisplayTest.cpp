#include "macro/EventDisplay.h"

#include "MacroPageFixture.h"

namespace tx80::test {
namespace {

using EventDisplayTest = MacroPageTest;
using Lines = std::vector<std::u16string>;

TEST_F(EventDisplayTest, OneEventIsOneLine) {
  AddMacro(u"one", {{'A', 1, 30}});
  EXPECT_EQ(eventList().Lines(), Lines{u"[↓]A"});
}

TEST_F(EventDisplayTest, ThreeEventsAreFiveLinesWithoutTheLastDelay) {
  AddMacro(u"three", {{'A', 1, 10}, {'A', 2, 20}, {241, 1, 40}});
  EXPECT_EQ(eventList().Lines(), (Lines{u"[↓]A", u"    10ms", u"[↑]A", u"    20ms", u"[↓]Right_Key"}));
}

TEST_F(EventDisplayTest, CountersCountDownAndUpEventsOnly) {
  const int invalidations = window->Invalidations();
  AddMacro(u"m", {{'A', 1, 0}, {'B', 1, 0}, {'C', 1, 0}, {'D', 1, 0}, {'A', 2, 0}, {'B', 2, 0}, {'C', 2, 0},
                  {'E', 0, 0}});
  EXPECT_EQ(page.Counters().DownText(), u"[↓]4");
  EXPECT_EQ(page.Counters().UpText(), u"[↑]3");
  EXPECT_EQ(eventList().Lines().back(), u"E");
  EXPECT_GT(window->Invalidations(), invalidations);  // the counters are redrawn
}

TEST_F(EventDisplayTest, KeyNamesFollowTheLanguageAtEachRefresh) {
  AddMacro(u"m", {{22, 1, 0}});
  EXPECT_EQ(eventList().Lines(), Lines{u"[↓]Not Available"});
  context.profile.SetLanguageFlag(0);
  page.RefreshMacroList();
  EXPECT_EQ(eventList().Lines(), Lines{u"[↓]不可录制"});
}

TEST_F(EventDisplayTest, RepeatCountEditFollowsTheMacro) {
  const int once = AddMacro(u"once", {{'A', 1, 0}});
  store.SetRepeatCount(once, 7);
  page.RefreshMacroList();
  EXPECT_EQ(repeatEdit().Text(), u"1");
  EXPECT_FALSE(repeatEdit().IsEnabled());

  const int repeated = AddMacro(u"repeated", {{'A', 1, 0}});
  store.SetRepeatMode(repeated, 1);
  store.SetRepeatCount(repeated, 7);
  page.RefreshMacroList();
  EXPECT_EQ(repeatEdit().Text(), u"7");
  EXPECT_TRUE(repeatEdit().IsEnabled());

  // A macro without events leaves the edit as it was.
  AddMacro(u"empty");
  EXPECT_EQ(repeatEdit().Text(), u"7");
  EXPECT_TRUE(eventList().Lines().empty());
}

}  // namespace
}  // namespace tx80::test
