#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "device/DriverFlags.h"
#include "macro/MacroStore.h"
#include "platform/sim/SimCanvas.h"
#include "profile/ProfileModel.h"
#include "ui/PagePainter.h"
#include "ui/SkinImages.h"
#include "ui/SkinLoader.h"
#include "ui/SkinPictureCache.h"
#include "UiTestSupport.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"

namespace tx80 {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 540;
constexpr Page kMainPage = Page::Main;
constexpr Page kAdvancedPage = Page::Advanced;
constexpr Page kColorPage = Page::Color;

constexpr fw::Rgb kYellow{255, 255, 0};
constexpr fw::Rgb kWhite{255, 255, 255};
constexpr fw::Rgb kGreen{0, 255, 0};
constexpr fw::Rgb kRed{255, 0, 0};
constexpr fw::Rgb kGrey{128, 128, 128};

// Each picture is one colour, so a pixel tells which picture it came from.
const std::map<std::string, fw::Rgb>& PictureColours() {
  static const std::map<std::string, fw::Rgb> colours = {
      {"normal", {20, 20, 20}}, {"over", {0, 0, 200}},   {"down", {200, 0, 0}},
      {"knob", {0, 200, 0}},    {"gray", {90, 90, 90}}, {"blue", {0, 90, 200}},
  };
  return colours;
}

fw::Image Solid(fw::Rgb colour) {
  fw::Image image(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) image.SetPixel(x, y, colour);
  return image;
}

// The skin's picture files, as solid colours.
const std::map<std::string, fw::Image>& SolidSkin() {
  static const std::map<std::string, fw::Image> pictures = [] {
    const auto& c = PictureColours();
    using namespace skin_image;
    std::map<std::string, fw::Image> p;
    for (auto name : {kMainNormal, kAdvancedNormal, kColorNormal}) p[std::string(name)] = Solid(c.at("normal"));
    for (auto name : {kMainOver, kAdvancedOver, kColorOver}) p[std::string(name)] = Solid(c.at("over"));
    for (auto name : {kMainDown, kAdvancedDown, kColorDown}) p[std::string(name)] = Solid(c.at("down"));
    p[std::string(kDpiSlider)] = Solid(c.at("knob"));
    p[std::string(kColorGray)] = Solid(c.at("gray"));
    p[std::string(kColorBlue)] = Solid(c.at("blue"));
    return p;
  }();
  return pictures;
}

std::string PictureAt(const SimCanvas& canvas, int x, int y) {
  const fw::Rgb pixel = canvas.Surface().Pixel(x, y);
  for (const auto& [name, colour] : PictureColours())
    if (colour == pixel) return name;
  return "other";
}

// The picture the middle of the element shows.
std::string Shows(const SimCanvas& canvas, const SkinItem& item) {
  return PictureAt(canvas, item.x + item.width / 2, item.y + item.height / 2);
}

// The page painter on the shipped layout files and solid-colour pictures.
class PagePainterTest : public ::testing::Test {
 protected:
  PagePainterTest() {
    for (const auto& [name, picture] : SolidSkin()) images.Put(skins / name, picture);
    LoadLayouts(1);
    ProfileFields f;
    f.K = {1, 2, 3, 5, 4, 18, 17};
    f.DPI_SET = {1, 2, 4, 0};
    f.DPI_SET_EN = {1, 1, 1, 1};
    f.DPI_SPEED = 4;
    f.WHEEL_SPEED = 2;
    f.FIRE_TIME = 50;
    profile.Load(f);
    profile.SetCurConfig(1);
    profile.SetLanguageFlag(1);
  }

  void LoadLayouts(int32_t languageFlag) {
    const SkinLoadContext context{std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins", languageFlag, dialogs,
                                  files,  nullptr, u"", [] {}};
    LoadSkins(context, skin);
  }

  void Edit(const std::function<void(ProfileFields&)>& change) {
    ProfileFields f = profile.Fields();
    change(f);
    profile.Load(f);
  }

  SimCanvas Paint(bool minimized = false) {
    SimCanvas canvas(kWidth, kHeight);
    const PageSources sources{page, skins, skin, hover, flags, profile, macros, recording, counters};
    PaintPage(canvas, pictures, sources, minimized);
    return canvas;
  }

  const SkinItem& Main(int i) const { return skin.MainItems[static_cast<std::size_t>(i)]; }
  const SkinItem& Advanced(int i) const { return skin.AdvancedItems[static_cast<std::size_t>(i)]; }
  const SkinItem& Color(int i) const { return skin.ColorItems[static_cast<std::size_t>(i)]; }

  test::RecordingDialogs dialogs;
  test::TestFiles files;
  test::TempDir dir;
  const std::filesystem::path skins = dir.path() / "skins";
  test::FakeImageLoader images;
  SkinPictureCache pictures{images};
  SkinTables skin;
  HoverState hover;
  Page page = Page::Main;
  DriverFlags flags;
  ProfileModel profile;
  MacroStore macros;
  bool recording = false;
  EventCounters counters;
};

TEST_F(PagePainterTest, SharedElementsPickTheirPicture) {
  const struct {
    Page page;
    int32_t curConfig;
    int32_t languageFlag;
    int32_t mainHover;
    bool held;
    int element;
    const char* shows;
  } cases[] = {
      {kMainPage, 2, 1, 5, false, 5, "down"},  // the current profile hovered stays pressed
      {kMainPage, 2, 1, 6, false, 6, "over"},
      {kMainPage, 2, 1, 6, true, 6, "down"},  // a press shows down until release
      {kMainPage, 2, 1, 255, false, 4, "normal"},
      {kMainPage, 0, 1, 255, false, 3, "normal"},  // no profile element for CurConfig 0
      {kMainPage, 1, 1, 255, false, 9, "down"},    // the page's own tab
      {kMainPage, 1, 1, 255, false, 10, "normal"},
      {kAdvancedPage, 1, 1, 255, false, 10, "down"},
      {kAdvancedPage, 1, 1, 255, false, 9, "normal"},
      {kAdvancedPage, 1, 1, 3, false, 3, "over"},
      {kColorPage, 1, 1, 255, false, 11, "down"},
      {kColorPage, 3, 1, 255, false, 6, "down"},
      {kColorPage, 1, 1, 14, true, 14, "down"},
      {kMainPage, 1, 0, 255, false, 17, "down"},  // the language in use
      {kMainPage, 1, 0, 255, false, 18, "normal"},
      {kMainPage, 1, 1, 255, false, 18, "down"},
      {kMainPage, 1, 1, 255, false, 17, "normal"},
      {kMainPage, 1, 2, 255, false, 17, "normal"},  // neither for a flag of 2
      {kMainPage, 1, 2, 255, false, 18, "normal"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "page " << int(c.page) << ", element " << c.element << ", hover "
                                    << c.mainHover << ", language " << c.languageFlag);
    page = c.page;
    profile.SetCurConfig(c.curConfig);
    profile.SetLanguageFlag(c.languageFlag);
    hover.MainHover = c.mainHover;
    hover.ButtonHeld = c.held;
    EXPECT_EQ(Shows(Paint(), Main(c.element)), c.shows);
  }
}

TEST_F(PagePainterTest, PageElementsHoveredAndPressed) {
  const struct {
    Page page;
    int32_t hovered;
    bool held;
    const char* shows;
  } cases[] = {
      {kMainPage, 42, false, "over"}, {kMainPage, 42, true, "down"},
      {kAdvancedPage, 0, false, "over"},  {kAdvancedPage, 0, true, "down"},
      {kColorPage, 3, false, "over"},     {kColorPage, 3, true, "down"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "page " << int(c.page) << ", element " << c.hovered);
    page = c.page;
    hover = {};
    hover.ButtonHeld = c.held;
    const SkinItem* item = nullptr;
    if (c.page == kMainPage) {
      Edit([](ProfileFields& f) { f.WHEEL_STATUS = 0; });  // element 41 pressed, 42 free
      hover.MainHover = c.hovered;
      item = &Main(c.hovered);
    } else if (c.page == kAdvancedPage) {
      hover.AdvancedHover = c.hovered;
      item = &Advanced(c.hovered);
    } else {
      Edit([](ProfileFields& f) { f.LED_STATUS = 0; });
      hover.ColorHover = c.hovered;
      item = &Color(c.hovered);
    }
    EXPECT_EQ(Shows(Paint(), *item), c.shows);
  }
}

TEST_F(PagePainterTest, DpiLevelsWheelAndMark) {
  Edit([](ProfileFields& f) {
    f.DPI_SET_EN = {0, 1, 1, 1};
    f.DPI_LEVEL = 2;
    f.DPI_SET = {3, 0, 4, 1};
    f.WHEEL_STATUS = 1;
  });
  const SimCanvas canvas = Paint();
  EXPECT_EQ(Shows(canvas, Main(46)), "normal");  // disabled level: its box not pressed
  for (int box : {47, 48, 49}) EXPECT_EQ(Shows(canvas, Main(box)), "down") << box;
  EXPECT_EQ(Shows(canvas, Main(82)), "down");
  for (int mark : {80, 81, 83}) EXPECT_EQ(Shows(canvas, Main(mark)), "normal") << mark;
  EXPECT_EQ(Shows(canvas, Main(42)), "down");
  EXPECT_EQ(Shows(canvas, Main(41)), "normal");
  // The knob on the chosen step of each level, on no other step.
  for (int j = 0; j < 4; ++j)
    for (int s = 0; s < 5; ++s) {
      const bool chosen = s == profile.Fields().DPI_SET[static_cast<std::size_t>(j)];
      EXPECT_EQ(Shows(canvas, Main(60 + 5 * j + s)), chosen ? "knob" : "normal") << j << ", " << s;
    }
  // Labels: grey while disabled, red while enabled, in the small font.
  for (int label = 50; label <= 53; ++label) {
    const auto* text = canvas.FindText(Main(label).text);
    ASSERT_NE(text, nullptr) << label;
  }
  const auto& texts = canvas.Texts();
  const auto label = [&](int i) {
    return *std::find_if(texts.begin(), texts.end(), [&](const auto& t) {
      return t.x >= Main(i).x && t.x < Main(i).x + Main(i).width && t.y >= Main(i).y && t.y < Main(i).y + Main(i).height;
    });
  };
  EXPECT_EQ(label(50).colour, kGrey);
  for (int i : {51, 52, 53}) EXPECT_EQ(label(i).colour, kRed) << i;
  EXPECT_EQ(label(50).fontHeight, 13);
}

TEST_F(PagePainterTest, OutOfRangeSettingsNeverReachPastATable) {
  Edit([](ProfileFields& f) {
    f.DPI_LEVEL = 9;
    f.DPI_SET = {200, 5, 0, 0};  // level 0 beyond every step, level 1 one past its last
    f.LED_STATUS = 7;
    f.DPI_SPEED = 40;
    f.WHEEL_SPEED = 255;
  });
  profile.SetCurConfig(77);
  flags.DriverActive = false;
  flags.StartKeySlot = 12;
  hover.MainHover = 400;
  SimCanvas canvas = Paint();
  for (int mark = 80; mark <= 83; ++mark) EXPECT_EQ(Shows(canvas, Main(mark)), "normal") << mark;
  for (int s = 0; s < 10; ++s) EXPECT_EQ(Shows(canvas, Main(60 + s)), "normal") << s;
  page = kColorPage;
  canvas = Paint();
  EXPECT_NE(canvas.FindText(u"1200"), nullptr);  // an unknown level reads as an unknown step
  for (int mode = 0; mode <= 12; ++mode)
    if (mode != 11) {
      EXPECT_EQ(Shows(canvas, Color(mode)), "normal") << mode;
    }
  page = kAdvancedPage;
  canvas = Paint();
  for (int setting = 8; setting <= 27; ++setting) EXPECT_EQ(Shows(canvas, Advanced(setting)), "normal") << setting;
}

TEST_F(PagePainterTest, FireTimeBarAndValue) {
  page = kAdvancedPage;
  const SkinItem& bar = Advanced(30);
  const struct {
    int32_t fireTime;
    int filled;
  } cases[] = {
      {0, 0},
      {150, bar.width / 2},
      {300, bar.width},
      {1, 0},                             // 168 / 300 truncated
      {299, 299 * bar.width / 300},
      {-20, 0},                           // a hand-edited config.ini: the bar stays in its element
      {5000, bar.width},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fireTime);
    Edit([&](ProfileFields& f) { f.FIRE_TIME = c.fireTime; });
    const SimCanvas canvas = Paint();
    int down = 0;
    for (int x = bar.x - 2; x < bar.x + bar.width + 2; ++x) down += PictureAt(canvas, x, bar.y + bar.height / 2) == "down";
    EXPECT_EQ(down, c.filled);
    if (c.filled > 0) {
      EXPECT_EQ(PictureAt(canvas, bar.x, bar.y), "down");
    }
  }
  Edit([](ProfileFields& f) { f.FIRE_TIME = 50; });
  const SimCanvas canvas = Paint();
  const auto* value = canvas.FindText(u"50ms");
  ASSERT_NE(value, nullptr);
  // Centred: 4 characters of 7 pixels in the element.
  EXPECT_EQ(value->x, Advanced(33).x + (Advanced(33).width - 28) / 2);
}

TEST_F(PagePainterTest, ButtonNamesFromFunctionsAndMacros) {
  for (auto name : {u"Zero", u"One", u"Sniper combo"}) macros.AddMacro(name);
  Edit([](ProfileFields& f) { f.K = {1, 43, 9, -3, 60, 44, 52}; });
  hover.MainHover = 26;
  const SimCanvas canvas = Paint();
  const auto* left = canvas.FindText(u"Left Click");
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->x, Main(25).x + 5);
  EXPECT_EQ(left->y, Main(25).y + (Main(25).height - 15) / 2);
  EXPECT_EQ(left->colour, kWhite);
  const auto* macro = canvas.FindText(u"Sniper combo");  // code 43: the third macro
  ASSERT_NE(macro, nullptr);
  EXPECT_EQ(macro->x, Main(26).x + 5);
  EXPECT_EQ(macro->colour, kGreen);  // under the pointer
  // 9 names its group of the list, as every code below the macros names its
  // function.
  ASSERT_FALSE(skin.FunctionNames[9].empty());
  const auto* group = canvas.FindText(skin.FunctionNames[9]);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->x, Main(27).x + 5);
  // -3, 60, 44 and 52 (macro slots not in use) name nothing.
  for (int slot = 4; slot <= 7; ++slot) {
    const SkinItem& button = Main(24 + slot);
    for (const auto& t : canvas.Texts())
      EXPECT_FALSE(t.y >= button.y && t.y < button.y + button.height && t.x >= button.x &&
                   t.x < button.x + button.width)
          << "slot " << slot << " shows " << std::string(t.text.begin(), t.text.end());
  }
}

TEST_F(PagePainterTest, StartSlotFlashesWhileTheDriverWaits) {
  flags.DriverActive = false;
  flags.StartKeySlot = 3;
  const struct {
    int32_t language;
    bool blink;
    int32_t mainHover;
    const char* highlight;  // of slot 3 on the mouse picture, element 92
    std::u16string status;
  } cases[] = {
      {1, true, 255, "over", u"Configuration done,click key [3] to start driver"},
      {1, false, 255, "down", u"Configuration done,click key [ ] to start driver"},
      {0, true, 255, "over", u"配置完成，请点击鼠标第[3]键运行驱动"},
      {0, false, 3, "down", u"配置完成，请点击鼠标第[ ]键运行驱动"},
      {1, true, 26, "normal", u"Configuration done,click key [3] to start driver"},  // slot 2's shows instead
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "language " << c.language << ", blink " << c.blink);
    profile.SetLanguageFlag(c.language);
    flags.StartKeyBlink = c.blink;
    hover.MainHover = c.mainHover;
    const SimCanvas canvas = Paint();
    EXPECT_EQ(Shows(canvas, Main(92)), c.highlight);
    if (c.mainHover == 26) {
      EXPECT_EQ(Shows(canvas, Main(91)), "over");
    }
    const auto* status = canvas.FindText(c.status);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->colour, kYellow);
  }
  flags.DriverActive = true;
  profile.SetLanguageFlag(0);
  const SimCanvas canvas = Paint();
  EXPECT_EQ(Shows(canvas, Main(92)), "normal");
  EXPECT_NE(canvas.FindText(u"驱动运行中..."), nullptr);
}

TEST_F(PagePainterTest, TextsAreCentredWithTruncatedQuotients) {
  // "OK,driver is working...": 23 characters of 7 x 15 pixels.
  const SimCanvas canvas = Paint();
  const auto* status = canvas.FindText(u"OK,driver is working...");
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->x, Main(1).x + (Main(1).width - 161) / 2);
  EXPECT_EQ(status->y, Main(1).y + (Main(1).height - 15) / 2);
  EXPECT_EQ(status->face, u"Consolas");
  // Wider than its element: the offset is truncated toward zero, not down.
  skin.MainItems[0] = {100, 100, 20, 14, u"ABC"};
  const SimCanvas narrowCanvas = Paint();
  const auto* narrow = narrowCanvas.FindText(u"ABC");
  ASSERT_NE(narrow, nullptr);
  EXPECT_EQ(narrow->x, 100);  // (20 - 21) / 2 is 0
  EXPECT_EQ(narrow->y, 100);  // (14 - 15) / 2 is 0
}

TEST_F(PagePainterTest, WhatEachPageWrites) {
  // The main page writes main elements 0..53; the other pages main 0..19 and their own.
  page = kAdvancedPage;
  SimCanvas canvas = Paint();
  EXPECT_NE(canvas.FindText(u"OK,driver is working..."), nullptr);
  EXPECT_NE(canvas.FindText(Main(0).text), nullptr);
  EXPECT_NE(canvas.FindText(Main(16).text), nullptr);
  EXPECT_EQ(canvas.FindText(Main(20).text), nullptr);
  EXPECT_NE(canvas.FindText(Advanced(45).text), nullptr);
  EXPECT_EQ(Shows(canvas, Main(4)), "down");  // the current profile on every page

  page = kColorPage;
  canvas = Paint();
  EXPECT_NE(canvas.FindText(u"OK,driver is working..."), nullptr);
  EXPECT_NE(canvas.FindText(Color(12).text), nullptr);
  EXPECT_EQ(canvas.FindText(Advanced(45).text), nullptr);

  page = kMainPage;
  canvas = Paint();
  EXPECT_NE(canvas.FindText(Main(20).text), nullptr);
  EXPECT_EQ(canvas.FindText(Color(12).text), nullptr);
}

TEST_F(PagePainterTest, AdvancedPageShowsTheMacroState) {
  page = kAdvancedPage;
  macros.AddMacro(u"Combo");
  macros.SetRepeatMode(0, 1);
  Edit([](ProfileFields& f) {
    f.MACRO_MODE2 = 1;
    f.DPI_SPEED = 3;
    f.WHEEL_SPEED = 9;
  });
  recording = true;
  counters = {4, 3};
  hover.AdvancedHover = 2;
  SimCanvas canvas = Paint();
  for (int element : {4, 6, 7, 8 + 3, 18 + 9}) EXPECT_EQ(Shows(canvas, Advanced(element)), "down") << element;
  for (int element : {8, 12, 18, 26}) EXPECT_EQ(Shows(canvas, Advanced(element)), "normal") << element;
  EXPECT_NE(canvas.FindText(u"Stop"), nullptr);
  EXPECT_NE(canvas.FindText(u"[↓]4"), nullptr);
  EXPECT_NE(canvas.FindText(u"[↑]3"), nullptr);
  ASSERT_NE(canvas.FindText(Advanced(2).text), nullptr);
  EXPECT_EQ(canvas.FindText(Advanced(2).text)->colour, kRed);  // under the pointer
  EXPECT_EQ(canvas.FindText(Advanced(3).text)->colour, kWhite);

  recording = false;
  macros.SetRepeatMode(0, 0);
  Edit([](ProfileFields& f) { f.MACRO_MODE2 = 0; });
  profile.SetLanguageFlag(0);
  LoadLayouts(0);
  canvas = Paint();
  for (int element : {4, 6, 7}) EXPECT_EQ(Shows(canvas, Advanced(element)), "normal") << element;
  ASSERT_NE(canvas.FindText(u"录制"), nullptr);
  EXPECT_EQ(canvas.FindText(u"录制")->face, u"宋体");
}

TEST_F(PagePainterTest, ColorPageModeResolutionAndPreview) {
  page = kColorPage;
  Edit([](ProfileFields& f) {
    f.LED_STATUS = 2;
    f.DPI_LEVEL = 1;
  });
  profile.Activate();         // ActiveDpiSet[1] is step code 2
  profile.ChooseDpiStep(1, 4);  // chosen, not yet applied
  const struct {
    bool dark;
    int32_t index;
    const char* preview;
  } cases[] = {{true, 2, "gray"}, {false, 0, "blue"}, {false, 1, "normal"}, {false, 2, "over"}, {false, 3, "down"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.preview);
    flags.LedPreviewDark = c.dark;
    flags.LedPreviewIndex = c.index;
    const SimCanvas canvas = Paint();
    EXPECT_EQ(Shows(canvas, Color(11)), c.preview);
    EXPECT_EQ(Shows(canvas, Color(2)), "down");
    EXPECT_EQ(Shows(canvas, Color(1)), "normal");
    const auto* resolution = canvas.FindText(u"1600");  // what the mouse has, not the choice
    ASSERT_NE(resolution, nullptr);
    EXPECT_EQ(resolution->x, Color(9).x + (Color(9).width - 28) / 2);
  }
}

TEST_F(PagePainterTest, MissingPicturesLeaveADrawablePage) {
  images.Spoil(skins / skin_image::kMainNormal);
  images.Spoil(skins / skin_image::kMainOver);
  images.Spoil(skins / skin_image::kDpiSlider);
  hover.MainHover = 6;
  SimCanvas canvas = Paint();
  EXPECT_EQ(canvas.Surface().Pixel(1, 1), (fw::Rgb{0, 0, 0}));  // a black page without its picture
  EXPECT_EQ(canvas.Surface().Pixel(Main(6).x + 2, Main(6).y + 2), (fw::Rgb{0, 0, 0}));  // no over picture
  EXPECT_EQ(Shows(canvas, Main(4)), "down");  // the pictures there are still used
  EXPECT_NE(canvas.FindText(u"OK,driver is working..."), nullptr);

  for (const auto& [name, picture] : SolidSkin()) images.Spoil(skins / name);
  pictures.Clear();
  page = kColorPage;
  canvas = Paint();
  EXPECT_NE(canvas.FindText(u"OK,driver is working..."), nullptr);
}

TEST_F(PagePainterTest, RepaintsDecodeNothing) {
  Paint();
  const int firstPaint = images.loads;
  EXPECT_EQ(firstPaint, 4);  // the page's three pictures and the knob
  hover.MainHover = 5;
  Paint();
  EXPECT_EQ(images.loads, firstPaint);
  page = kColorPage;
  for (int index = 0; index < 4; ++index) {
    flags.LedPreviewIndex = index;
    Paint();
  }
  const int colorPage = images.loads;
  EXPECT_EQ(colorPage, firstPaint + 4);  // its three pictures and the blue preview
  Paint();
  page = kMainPage;
  Paint();
  EXPECT_EQ(images.loads, colorPage);
  // A missing picture is not looked for again either.
  images.Spoil(skins / skin_image::kColorGray);
  page = kColorPage;
  flags.LedPreviewDark = true;
  Paint();
  Paint();
  EXPECT_EQ(images.loads, colorPage + 1);
  // A reloaded skin reads its files again.
  pictures.Clear();
  Paint();
  EXPECT_EQ(images.loads, colorPage + 1 + 4);
}

TEST_F(PagePainterTest, MinimisedShowsOnlyTheIcon) {
  const SimCanvas canvas = Paint(true);
  ASSERT_EQ(canvas.Icons().size(), 1u);
  EXPECT_EQ(canvas.Icons()[0].at, (fw::Point{(kWidth - 32 + 1) / 2, (kHeight - 32 + 1) / 2}));
  EXPECT_TRUE(canvas.Texts().empty());
  EXPECT_EQ(canvas.ImagesDrawn(), 0);
  EXPECT_EQ(images.loads, 0);
}

}  // namespace
}  // namespace tx80
