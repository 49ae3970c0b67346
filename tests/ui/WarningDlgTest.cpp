#include <gtest/gtest.h>

#include <functional>

#include "AssignListsFixture.h"

namespace tx80::test {
namespace {

fw::Point Middle(const SkinItem& item) { return {item.x + item.width / 2, item.y + item.height / 2}; }

class WarningDlgTest : public AssignListsTest {
 public:
  // Runs a warning the way the list's opening does, with `script` as the user.
  int Run(const std::function<void(SimWindowHost&)>& script) {
    os.windows.onModal[WarningDlg::kTemplateId] = script;
    WarningDlg warning(context.AssignLists());
    return os.windows.RunModal(warning);
  }
  const SkinItem& Item(int i) const { return context.ui.skin.WarningItems[static_cast<std::size_t>(i)]; }
  void MoveTo(SimWindowHost& w, fw::Point p) { w.MoveTo(p.x, p.y); }
  void Press(SimWindowHost& w, fw::Point p) { w.Press(p.x, p.y); }
  void Release(SimWindowHost& w, fw::Point p) { w.Release(p.x, p.y); }
  void Escape(SimWindowHost& w) { w.Send(fw::msg::kCommand, fw::kIdCancel, 0); }
  void Enter(SimWindowHost& w) { w.Send(fw::msg::kCommand, fw::kIdOk, 0); }
};

TEST_F(WarningDlgTest, OpensBelowTheElementWithTheSizeAndHolesOfItsMask) {
  fw::Rect rect;
  std::vector<fw::Rect> shape;
  os.windows.onModal[WarningDlg::kTemplateId] = [&](SimWindowHost& w) {
    rect = w.ScreenRect();
    shape = w.Shape();
    Escape(w);
  };
  Open(1);
  EXPECT_EQ(rect, (fw::Rect{120, 86, 280, 166}));
  const auto covers = [&](fw::Point p) {
    return std::any_of(shape.begin(), shape.end(), [&](const fw::Rect& r) { return r.Contains(p); });
  };
  EXPECT_FALSE(covers({0, 0})) << "the near-white mask pixel is a hole";
  EXPECT_TRUE(covers({1, 0}));
  EXPECT_TRUE(covers({159, 79}));
}

struct AnswerCase {
  const char* name;
  std::function<void(WarningDlgTest&, SimWindowHost&)> user;
  int result;
};

class WarningAnswerTest : public WarningDlgTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(WarningAnswerTest, OnlyTheReleaseOverAButtonOrEscapeEndsIt) {
  EXPECT_EQ(Run([&](SimWindowHost& w) { GetParam().user(*this, w); }), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, WarningAnswerTest,
    ::testing::Values(
        AnswerCase{"GoOn", [](WarningDlgTest& t, SimWindowHost& w) { t.Release(w, Middle(t.Item(0))); }, 1},
        AnswerCase{"GiveUp", [](WarningDlgTest& t, SimWindowHost& w) { t.Release(w, Middle(t.Item(1))); }, 2},
        AnswerCase{"Escape", [](WarningDlgTest& t, SimWindowHost& w) { t.Escape(w); }, 2},
        AnswerCase{"EnterDoesNothing",
                   [](WarningDlgTest& t, SimWindowHost& w) {
                     t.Enter(w);
                     EXPECT_FALSE(w.Destroyed());
                     t.Release(w, Middle(t.Item(0)));
                   },
                   1},
        AnswerCase{"PressedOnGoOnReleasedOnGiveUp",
                   [](WarningDlgTest& t, SimWindowHost& w) {
                     t.Press(w, Middle(t.Item(0)));
                     t.Release(w, Middle(t.Item(1)));
                   },
                   2},
        AnswerCase{"ReleasedOnTheMessageOrOutside",
                   [](WarningDlgTest& t, SimWindowHost& w) {
                     t.Release(w, Middle(t.Item(2)));
                     t.Release(w, {155, 75});
                     EXPECT_FALSE(w.Destroyed());
                     t.Escape(w);
                   },
                   2}),
    [](const auto& info) { return info.param.name; });

class WarningPaintTest : public WarningDlgTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(WarningPaintTest, ButtonUnderThePointerShowsTheOverPictureAndTextsAreRedAndCentred) {
  const FontCase& font = GetParam();
  context.profile.SetLanguageFlag(font.language);
  Run([&](SimWindowHost& w) {
    MoveTo(w, Middle(Item(1)));
    const SimCanvas* canvas = w.Paint();
    ASSERT_TRUE(canvas);
    EXPECT_EQ(canvas->Surface().Pixel(Item(1).x, Item(1).y), kWarningOver);
    EXPECT_EQ(canvas->Surface().Pixel(Item(0).x, Item(0).y), kWarningNormal);
    ASSERT_EQ(canvas->Texts().size(), 3u);
    for (int i = 0; i < 3; ++i) {
      const auto& text = canvas->Texts()[static_cast<std::size_t>(i)];
      const SkinItem& item = Item(i);
      SCOPED_TRACE(i);
      EXPECT_EQ(text.text, item.text);
      EXPECT_EQ(text.x, item.x + (item.width - static_cast<int>(item.text.size()) * font.width) / 2);
      EXPECT_EQ(text.y, item.y + (item.height - font.height) / 2);
      EXPECT_EQ(text.colour, (fw::Rgb{255, 0, 0}));
      EXPECT_EQ(text.face, font.face);
    }
    Escape(w);
  });
}

INSTANTIATE_TEST_SUITE_P(Languages, WarningPaintTest,
                         ::testing::Values(FontCase{1, 15, 7, u"Consolas"}, FontCase{0, 12, 6, u"宋体"}),
                         LanguageName);

TEST_F(WarningDlgTest, HoverSurvivesFromOneWarningToTheNextAndOnlyAChangeRepaints) {
  EXPECT_EQ(State().WarningHover, 0);
  Run([&](SimWindowHost& w) {
    MoveTo(w, Middle(Item(1)));
    Escape(w);
  });
  Run([&](SimWindowHost& w) {
    EXPECT_EQ(State().WarningHover, 2);
    EXPECT_EQ(w.Paint()->Surface().Pixel(Item(1).x, Item(1).y), kWarningOver);
    const int invalidations = w.Invalidations();
    MoveTo(w, {Item(1).x, Item(1).y});
    EXPECT_EQ(w.Invalidations(), invalidations) << "still over the same button";
    MoveTo(w, Middle(Item(0)));
    EXPECT_EQ(w.Invalidations(), invalidations + 1);
    Escape(w);
  });
}

}  // namespace
}  // namespace tx80::test
