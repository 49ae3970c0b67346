#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/Decimal.h"
#include "framework/PrivateProfile.h"
#include "platform/sim/JpegImageLoader.h"
#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "ui/HitTest.h"
#include "ui/SkinImages.h"
#include "ui/SkinLoader.h"
#include "ui/WindowShape.h"
#include "UiTestSupport.h"

namespace tx80 {
namespace {

// The skin in data/skins, as the program ships it.
const std::filesystem::path kSkins = std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins";

// The highest element number each table's users look at.
constexpr int kLastMainElement = 96;  // 97..99 have no role
constexpr int kLastAdvancedElement = 45;
constexpr int kLastColorElement = 12;
constexpr int kLastWarningElement = 2;

struct ShippedSkinTest : ::testing::TestWithParam<int32_t> {
  static void SetUpTestSuite() {
    JpegImageLoader loader;
    mainShape = BuildWindowShape(loader, kSkins / "main_mask.jpg");
    warningShape = BuildWindowShape(loader, kSkins / "warning_mask.jpg");
  }
  static void TearDownTestSuite() {
    mainShape.reset();
    warningShape.reset();
  }

  SkinTables Load() {
    SkinTables tables;
    LoadSkins({kSkins, GetParam(), dialogs, files, nullptr, u"", [] { ADD_FAILURE() << "closing sequence"; }}, tables);
    EXPECT_TRUE(dialogs.shown.empty()) << "the shipped skin gave a message";
    return tables;
  }

  // Every element up to `last` has an area, lies inside the window's outline
  // (its four corners do) and so can be seen and hit.
  template <std::size_t N>
  void ExpectPlaced(const std::array<SkinItem, N>& items, int last, const WindowShape& shape, const char* table) {
    for (int n = 0; n <= last; ++n) {
      const SkinItem& e = items[static_cast<std::size_t>(n)];
      SCOPED_TRACE(std::string(table) + " element " + std::to_string(n));
      ASSERT_GT(e.width, 0);
      ASSERT_GT(e.height, 0);
      for (fw::Point corner : {fw::Point{e.x, e.y}, fw::Point{e.x + e.width - 1, e.y},
                               fw::Point{e.x, e.y + e.height - 1}, fw::Point{e.x + e.width - 1, e.y + e.height - 1}})
        EXPECT_TRUE(shape.region.Contains(corner)) << corner.x << "," << corner.y;
    }
  }

  test::RecordingDialogs dialogs;
  test::TestFiles files;
  static std::optional<WindowShape> mainShape;
  static std::optional<WindowShape> warningShape;
};

std::optional<WindowShape> ShippedSkinTest::mainShape;
std::optional<WindowShape> ShippedSkinTest::warningShape;

TEST(ShippedSkinPicturesTest, PagesHaveTheSizeOfTheirMask) {
  JpegImageLoader loader;
  const auto mainMask = LoadSkinImage(loader, kSkins, skin_image::kMainMask);
  const auto warningMask = LoadSkinImage(loader, kSkins, skin_image::kWarningMask);
  ASSERT_TRUE(mainMask && warningMask);
  for (std::string_view name :
       {skin_image::kMainNormal, skin_image::kMainOver, skin_image::kMainDown, skin_image::kAdvancedNormal,
        skin_image::kAdvancedOver, skin_image::kAdvancedDown, skin_image::kColorNormal, skin_image::kColorOver,
        skin_image::kColorDown, skin_image::kColorGray, skin_image::kColorBlue}) {
    const auto page = LoadSkinImage(loader, kSkins, name);
    ASSERT_TRUE(page) << name;
    EXPECT_EQ(page->Width(), mainMask->Width()) << name;
    EXPECT_EQ(page->Height(), mainMask->Height()) << name;
  }
  for (std::string_view name : {skin_image::kWarningNormal, skin_image::kWarningOver}) {
    const auto page = LoadSkinImage(loader, kSkins, name);
    ASSERT_TRUE(page) << name;
    EXPECT_EQ(page->Width(), warningMask->Width()) << name;
    EXPECT_EQ(page->Height(), warningMask->Height()) << name;
  }
}

TEST(ShippedSkinPicturesTest, AssignmentListsHaveTenAndTwelveRows) {
  JpegImageLoader loader;
  struct List {
    std::string_view mask, normal, over, down;
    int rows, windowWidth, windowHeight;  // the list windows are 300 x 300 and 300 x 400
  };
  for (const List& list : {List{skin_image::kMenuMask, skin_image::kMenuNormal, skin_image::kMenuOver,
                                skin_image::kMenuDown, 10, 300, 300},
                           List{skin_image::kSubMenuMask, skin_image::kSubMenuNormal, skin_image::kSubMenuOver,
                                skin_image::kSubMenuDown, 12, 300, 400}}) {
    const auto mask = LoadSkinImage(loader, kSkins, list.mask);
    ASSERT_TRUE(mask) << list.mask;
    const int rowHeight = mask->Height() / list.rows;
    EXPECT_EQ(mask->Height(), rowHeight * list.rows) << list.mask;
    EXPECT_GE(rowHeight, 16) << list.mask;  // room for a line of text
    EXPECT_LE(mask->Width(), list.windowWidth);
    EXPECT_LE(list.rows * rowHeight + 1, list.windowHeight);
    for (std::string_view name : {list.normal, list.over, list.down}) {
      const auto picture = LoadSkinImage(loader, kSkins, name);
      ASSERT_TRUE(picture) << name;
      EXPECT_EQ(picture->Width(), mask->Width()) << name;
      EXPECT_EQ(picture->Height(), mask->Height()) << name;
    }
  }
}

TEST_F(ShippedSkinTest, MainOutlineIsNotARectangle) {
  ASSERT_TRUE(mainShape && warningShape);
  for (const WindowShape* shape : {&*mainShape, &*warningShape}) {
    EXPECT_FALSE(shape->region.Contains({0, 0}));  // a cut corner
    EXPECT_TRUE(shape->region.Contains({shape->width / 2, shape->height / 2}));
    EXPECT_GT(shape->region.Rectangles().size(), 4u);
  }
}

TEST_P(ShippedSkinTest, EveryElementIsPlacedInsideTheWindow) {
  ASSERT_TRUE(mainShape && warningShape);
  const SkinTables tables = Load();
  ExpectPlaced(tables.MainItems, kLastMainElement, *mainShape, "main");
  ExpectPlaced(tables.AdvancedItems, kLastAdvancedElement, *mainShape, "advanced");
  ExpectPlaced(tables.ColorItems, kLastColorElement, *mainShape, "color");
  ExpectPlaced(tables.WarningItems, kLastWarningElement, *warningShape, "warning");
  for (const fw::Rect& control : tables.ControlRects) {
    EXPECT_GT(control.Width(), 0);
    EXPECT_GT(control.Height(), 0);
    EXPECT_TRUE(mainShape->region.Contains({control.left, control.top}));
    EXPECT_TRUE(mainShape->region.Contains({control.right - 1, control.bottom - 1}));
  }
  for (int n = 97; n < 100; ++n) EXPECT_EQ(tables.MainItems[static_cast<std::size_t>(n)].width, 0);
}

TEST_P(ShippedSkinTest, EveryElementCanBeReachedByThePointer) {
  // Each hit-testable element is found at its own centre: no lower element hides it.
  const SkinTables tables = Load();
  const auto centre = [](const SkinItem& e) { return fw::Point{e.x + e.width / 2, e.y + e.height / 2}; };
  for (int n = 0; n <= kMainPageHitLimit; ++n) {
    const int expected = (n >= 80 && n <= 83) ? n - 26 : n;  // a level's mark lies inside its select button
    EXPECT_EQ(HitTest(centre(tables.MainItems[static_cast<std::size_t>(n)]), tables.MainItems, kMainPageHitLimit),
              expected);
  }
  for (int n = 0; n <= kAdvancedHitLimit; ++n)
    EXPECT_EQ(HitTest(centre(tables.AdvancedItems[static_cast<std::size_t>(n)]), tables.AdvancedItems,
                      kAdvancedHitLimit), n);
  for (int n = 0; n <= kColorHitLimit; ++n)
    EXPECT_EQ(HitTest(centre(tables.ColorItems[static_cast<std::size_t>(n)]), tables.ColorItems, kColorHitLimit), n);
  // The shared elements stay reachable on the other pages: no element of those pages covers them.
  for (int n = 0; n <= kSharedHitLimit; ++n) {
    const fw::Point p = centre(tables.MainItems[static_cast<std::size_t>(n)]);
    EXPECT_EQ(HitTest(p, tables.AdvancedItems, kAdvancedHitLimit), kNoElement) << n;
    EXPECT_EQ(HitTest(p, tables.ColorItems, kColorHitLimit), kNoElement) << n;
  }
}

TEST_P(ShippedSkinTest, TextsAndFunctionNamesAreThere) {
  const SkinTables tables = Load();
  for (std::size_t k = 1; k < kFunctionNameCount; ++k) EXPECT_FALSE(tables.FunctionNames[k].empty()) << k;
  for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 17, 18, 19, 26, 31, 40}) EXPECT_NE(tables.FunctionNames[k], u"-") << k;
  for (int n : {0, 3, 4, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 50, 53}) EXPECT_FALSE(tables.MainItems[n].text.empty()) << n;
  for (int n : {0, 1, 2, 3, 4, 5}) EXPECT_FALSE(tables.AdvancedItems[n].text.empty()) << n;
  for (int n : {0, 1, 2, 3}) EXPECT_FALSE(tables.ColorItems[n].text.empty()) << n;
  for (const SkinItem& e : tables.WarningItems) EXPECT_FALSE(e.text.empty());
}

TEST_P(ShippedSkinTest, EveryValueEndsItsFieldsWithCommas) {
  // Read raw: a BUTTONPOS value carries exactly six commas (its text is ended
  // by one), a control value five (its height is ended by one).
  const auto commas = [](const std::u16string& v) { return std::count(v.begin(), v.end(), u','); };
  struct Table {
    SkinFile file;
    int last;
  };
  for (const Table& t : {Table{SkinFile::Main, kLastMainElement}, Table{SkinFile::Advanced, kLastAdvancedElement},
                         Table{SkinFile::Color, kLastColorElement}, Table{SkinFile::Warning, kLastWarningElement}}) {
    const auto file = SkinFilePath(kSkins, t.file, GetParam());
    for (int n = 0; n <= t.last; ++n)
      EXPECT_EQ(commas(ReadProfileString(files, file, u"BUTTONPOS", FormatDecimal(n), 260)), 6) << file << " " << n;
  }
  const auto advanced = SkinFilePath(kSkins, SkinFile::Advanced, GetParam());
  for (auto [section, key] : {std::pair{u"EDIT", 3}, {u"EDIT", 4}, {u"MACRODISPLAY", 1}, {u"MACRODISPLAY", 2}})
    EXPECT_EQ(commas(ReadProfileString(files, advanced, section, FormatDecimal(key), 260)), 5) << key;
  const auto main = SkinFilePath(kSkins, SkinFile::Main, GetParam());
  for (int k = 1; k <= 54; ++k) EXPECT_EQ(commas(ReadProfileString(files, main, u"FUN_STRING", FormatDecimal(k), 260)), 0);
}

TEST_P(ShippedSkinTest, KnobCoversEveryDpiStep) {
  JpegImageLoader loader;
  const auto knob = LoadSkinImage(loader, kSkins, skin_image::kDpiSlider);
  ASSERT_TRUE(knob);
  const SkinTables tables = Load();
  for (std::size_t n = 60; n < 80; ++n) {
    EXPECT_LE(tables.MainItems[n].width, knob->Width()) << n;
    EXPECT_LE(tables.MainItems[n].height, knob->Height()) << n;
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedSkinTest, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param ? "English" : "Chinese"; });

TEST(JpegImageLoaderTest, DamagedFilesGiveNothing) {
  test::TempDir dir;
  JpegImageLoader loader;
  EXPECT_FALSE(loader.Load(dir / "missing.jpg"));
  test::WriteFile(dir / "empty.jpg", "");
  EXPECT_FALSE(loader.Load(dir / "empty.jpg"));
  test::WriteFile(dir / "text.jpg", "[BUTTONPOS]\r\n0=a,1,2,3,4,\r\n");
  EXPECT_FALSE(loader.Load(dir / "text.jpg"));
  const std::string whole = test::ReadFile(kSkins / "dpi_slider.jpg");
  test::WriteFile(dir / "header.jpg", whole.substr(0, 20));
  EXPECT_FALSE(loader.Load(dir / "header.jpg"));
  // A picture cut short still decodes to its full size (the rest is filled in), or not at all.
  test::WriteFile(dir / "cut.jpg", whole.substr(0, whole.size() / 2));
  if (const auto cut = loader.Load(dir / "cut.jpg")) {
    const auto full = loader.Load(kSkins / "dpi_slider.jpg");
    ASSERT_TRUE(full);
    EXPECT_EQ(cut->Width(), full->Width());
    EXPECT_EQ(cut->Height(), full->Height());
  }
}

}  // namespace
}  // namespace tx80
