#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "support/TestFiles.h"
#include "ui/SkinLoader.h"
#include "UiTestSupport.h"

namespace tx80 {
namespace {

using test::RecordingDialogs;
using test::WriteUtf16Ini;

constexpr std::u16string_view kMalformed = u"加载ini错误！";
constexpr std::u16string_view kMissing = u"找不到配置文件";

struct SkinLoaderTest : ::testing::Test {
  SkinLoadContext Context(int32_t languageFlag) {
    return {dir.path(), languageFlag, dialogs, files, nullptr, u"TX80", [this] { ++closings; }};
  }
  std::filesystem::path File(SkinFile file, int32_t languageFlag) {
    return SkinFilePath(dir.path(), file, languageFlag);
  }

  test::TempDir dir;
  RecordingDialogs dialogs;
  test::TestFiles files;
  int closings = 0;
  SkinTables tables;
};

TEST(SkinFieldsTest, SplitsAtCommasWithoutTrimming) {
  struct Case {
    std::u16string value;
    SkinFields fields;
  };
  const Case cases[] = {
      {u"name,10,20,30,40,text,", {u"name", u"10", u"20", u"30", u"40", u"text", u""}},
      // Without the comma after it, the text is empty.
      {u"name,10,20,30,40,text", {u"name", u"10", u"20", u"30", u"40", u"", u""}},
      {u"name,10,20,30,40,", {u"name", u"10", u"20", u"30", u"40", u"", u""}},
      // The height counts only when a comma follows it; nothing after a missing comma counts.
      {u"name,10,20,30,40", {u"name", u"10", u"20", u"30", u"", u"", u""}},
      // Eight fields: field 6 keeps the rest, commas included.
      {u"name,10,20,30,40,text,a,b", {u"name", u"10", u"20", u"30", u"40", u"text", u"a,b"}},
      {u"Left Click", {u"Left Click", u"", u"", u"", u"", u"", u""}},
      {u"Left, Click", {u"Left", u"", u"", u"", u"", u"", u""}},
      {u" a , 10,,", {u" a ", u" 10", u"", u"", u"", u"", u""}},
      {u"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitSkinFields(c.value), c.fields) << std::string(c.value.begin(), c.value.end());
}

TEST(SkinFieldsTest, MoreThanSixCommasIsMalformed) {
  EXPECT_FALSE(HasTooManyCommas(u"a,1,2,3,4,t,"));
  EXPECT_FALSE(HasTooManyCommas(u"a,1,2,3,4,t,x"));
  EXPECT_TRUE(HasTooManyCommas(u"a,1,2,3,4,t,x,"));
}

TEST_F(SkinLoaderTest, PathsFollowTheLanguage) {
  EXPECT_EQ(File(SkinFile::Main, 1), dir.path() / "INI_EN" / "skin_main_en.ini");
  EXPECT_EQ(File(SkinFile::Advanced, 2), dir.path() / "INI_EN" / "skin_advance_en.ini");
  EXPECT_EQ(File(SkinFile::Color, 0), dir.path() / "INI_CN" / "skin_color.ini");
  EXPECT_EQ(File(SkinFile::Warning, 0), dir.path() / "INI_CN" / "LBWarning.ini");
}

TEST_F(SkinLoaderTest, MainSkinFillsItemsAndFunctionNames) {
  WriteUtf16Ini(File(SkinFile::Main, 1),
                u"[BUTTONPOS]\r\n"
                u"0=title,10,20,30,40,TX80 应用,\r\n"
                u"1=status,10,20,30,40,no comma\r\n"
                u"2=close,10,20,30,40\r\n"
                u"3=apply,  7,\t8,30,40,,\r\n"
                u"4=p1,x7,-5,30,40,Profile 1,extra,more\r\n"
                u"99=last,1,2,3,4,end,\r\n"
                u"[FUN_STRING]\r\n"
                u"1=Left Click\r\n"
                u"2=Right Click,ignored\r\n"
                u"54=-\r\n");
  LoadMainSkin(Context(1), tables);

  const auto& items = tables.MainItems;
  EXPECT_EQ(items[0].x, 10);
  EXPECT_EQ(items[0].height, 40);
  EXPECT_EQ(items[0].text, u"TX80 应用");
  EXPECT_EQ(items[1].height, 40);
  EXPECT_EQ(items[1].text, u"");
  EXPECT_EQ(items[2].height, 0);  // covers no point
  EXPECT_EQ(items[3].x, 7);       // leading blanks are skipped by the conversion
  EXPECT_EQ(items[3].y, 8);
  EXPECT_EQ(items[4].x, 0);  // a field beginning with a letter
  EXPECT_EQ(items[4].y, -5);
  EXPECT_EQ(items[4].text, u"Profile 1");
  EXPECT_EQ(items[5].width, 0);  // a missing key
  EXPECT_EQ(items[99].text, u"end");

  EXPECT_EQ(tables.FunctionNames[0], u"");
  EXPECT_EQ(tables.FunctionNames[1], u"Left Click");
  EXPECT_EQ(tables.FunctionNames[2], u"Right Click");
  EXPECT_EQ(tables.FunctionNames[54], u"-");

  // The eight-field value was reported once and still used.
  EXPECT_EQ(dialogs.shown, std::vector<std::u16string>{std::u16string(kMalformed)});
  EXPECT_EQ(closings, 0);
}

TEST_F(SkinLoaderTest, ValueIsReadInto260Characters) {
  const std::u16string longText(300, u'x');
  WriteUtf16Ini(File(SkinFile::Color, 0), u"[BUTTONPOS]\r\n0=n,1,2,3,4," + longText + u",\r\n");
  LoadColorSkin(Context(0), tables);
  // 259 characters come back, so the comma after the text is cut off.
  EXPECT_EQ(tables.ColorItems[0].height, 4);
  EXPECT_EQ(tables.ColorItems[0].text, u"");
}

TEST_F(SkinLoaderTest, AdvancedSkinGivesControlRectangles) {
  WriteUtf16Ini(File(SkinFile::Advanced, 0),
                u"[BUTTONPOS]\r\n45=n,1,2,3,4,t,\r\n"
                u"[EDIT]\r\n3=repeat,10,20,30,40,\r\n4=name,50,60,70,80\r\n"
                u"[MACRODISPLAY]\r\n1=macros,1,2,3,4,\r\n2=events,2147483600,0,100,5,\r\n");
  LoadAdvancedSkin(Context(0), tables);
  EXPECT_EQ(tables.AdvancedItems[45].text, u"t");
  EXPECT_EQ(tables.ControlRects[kRepeatCountEditRect], (fw::Rect{10, 20, 40, 60}));
  // Without the comma after it the height is 0.
  EXPECT_EQ(tables.ControlRects[kMacroNameEditRect], (fw::Rect{50, 60, 120, 60}));
  EXPECT_EQ(tables.ControlRects[kMacroListRect], (fw::Rect{1, 2, 4, 6}));
  // An edge past the range of a coordinate is held at its limit.
  EXPECT_EQ(tables.ControlRects[kEventListRect].right, 2147483647);
}

TEST_F(SkinLoaderTest, MissingFileIsReportedOnceClosesAndEmptiesTheTable) {
  tables.WarningItems[1] = {1, 2, 3, 4, u"old"};
  LoadWarningSkin(Context(1), tables);
  EXPECT_EQ(dialogs.shown, std::vector<std::u16string>{std::u16string(kMissing)});
  EXPECT_EQ(closings, 1);
  EXPECT_EQ(tables.WarningItems[1].width, 0);
  EXPECT_EQ(tables.WarningItems[1].text, u"");
}

TEST_F(SkinLoaderTest, LoadSkinsReplacesEveryEntryOfTheOtherLanguage) {
  WriteUtf16Ini(File(SkinFile::Main, 0), u"[BUTTONPOS]\r\n7=n,1,1,5,5,中,\r\n[FUN_STRING]\r\n1=左键\r\n");
  WriteUtf16Ini(File(SkinFile::Advanced, 0), u"[BUTTONPOS]\r\n0=n,1,1,5,5,导入,\r\n");
  WriteUtf16Ini(File(SkinFile::Color, 0), u"[BUTTONPOS]\r\n0=n,1,1,5,5,慢,\r\n");
  WriteUtf16Ini(File(SkinFile::Warning, 0), u"[BUTTONPOS]\r\n0=n,1,1,5,5,确定,\r\n");
  tables.MainItems[8] = {1, 1, 5, 5, u"english only"};
  tables.FunctionNames[2] = u"Right Click";

  LoadSkins(Context(0), tables);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(tables.MainItems[7].text, u"中");
  EXPECT_EQ(tables.MainItems[8].text, u"");  // a key missing in the new file leaves an empty entry
  EXPECT_EQ(tables.FunctionNames[1], u"左键");
  EXPECT_EQ(tables.FunctionNames[2], u"");
  EXPECT_EQ(tables.AdvancedItems[0].text, u"导入");
  EXPECT_EQ(tables.ColorItems[0].text, u"慢");
  EXPECT_EQ(tables.WarningItems[0].text, u"确定");
}

}  // namespace
}  // namespace tx80
