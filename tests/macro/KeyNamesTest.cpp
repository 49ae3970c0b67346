#include <gtest/gtest.h>

#include <string_view>

#include "macro/EventDisplay.h"
#include "macro/KeyNames.h"

namespace tx80 {
namespace {

// The edges of each run of names, and the oddities stored macros rely on.
TEST(KeyNames, EdgesAndOddities) {
  const struct {
    int code;
    std::u16string_view name;  // empty: not available
  } cases[] = {
      {0, u""},           {1, u""},         {7, u""},           // the mouse buttons' own keys are not recorded
      {8, u"BACK"},       {9, u"TAB"},      {10, u""},          {12, u"CLEAR"},
      {21, u"KANA"},      {22, u""},        {23, u"JUNJA"},     // 22 has none although both neighbours do
      {47, u"HELP"},      {'0', u"0"},      {'9', u"9"},        {58, u""},
      {64, u""},          {'A', u"A"},      {'Z', u"Z"},        {91, u"LWIN"},
      {93, u"APPS"},      {94, u""},        {95, u"SLEEP"},     // nor has 94
      {96, u"NUMPAD0"},   {105, u"NUMPAD9"}, {112, u"F1"},      {135, u"F24"},
      {136, u""},         {144, u"NUMLOCK"}, {145, u"SCROLL"},  {146, u""},
      {165, u"RMENU"},    {166, u""},       {185, u""},         // the browser and media keys are not recorded
      {186, u";:"},       {187, u"+"},      {191, u"/?"},       {192, u"`~"},
      {193, u""},         {219, u"[{"},     {220, u"\\|"},     {221, u"]}"},
      {222, u" ' "},      {223, u""},       // the apostrophe between two spaces
      {239, u""},         {240, u"Left_Key"}, {241, u"Right_Key"}, {242, u"Middle_Key"},
      {243, u""},         {255, u""},       // played as the middle button, but shown as none
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const auto code = static_cast<uint8_t>(c.code);
    EXPECT_EQ(KeyNameTable(code), c.name);
    EXPECT_EQ(KeyName(code, 1), c.name.empty() ? u"Not Available" : c.name);
    EXPECT_EQ(KeyName(code, 0), c.name.empty() ? u"不可录制" : c.name);
  }
}

TEST(KeyNames, EventAndDelayLines) {
  EXPECT_EQ(EventLine('A', 1, 1), u"[↓]A");
  EXPECT_EQ(EventLine(241, 2, 1), u"[↑]Right_Key");
  EXPECT_EQ(EventLine('A', 0, 1), u"A");  // an unknown action shows no mark
  EXPECT_EQ(EventLine(243, 1, 0), u"[↓]不可录制");
  EXPECT_EQ(DelayLine(30), u"    30ms");
  EXPECT_EQ(DelayLine(65535), u"    65535ms");
  EXPECT_EQ((EventCounters{12, 3}.DownText()), u"[↓]12");
  EXPECT_EQ((EventCounters{12, 3}.UpText()), u"[↑]3");
}

}  // namespace
}  // namespace tx80
