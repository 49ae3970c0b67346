#include <gtest/gtest.h>

#include <map>
#include <string>

#include "macro/EventDisplay.h"
#include "macro/KeyNames.h"

namespace tx80 {
namespace {

// The names as the stored macros have always shown them, written out again
// independently of the table under test.
std::map<int, std::u16string> ListedNames() {
  std::map<int, std::u16string> names = {
      {8, u"BACK"},       {9, u"TAB"},         {12, u"CLEAR"},      {13, u"RETURN"},     {16, u"SHIFT"},
      {17, u"CONTROL"},   {18, u"MENU"},       {19, u"PAUSE"},      {20, u"CAPITAL"},    {21, u"KANA"},
      {23, u"JUNJA"},     {24, u"FINAL"},      {25, u"HANJA"},      {27, u"ESCAPE"},     {28, u"CONVERT"},
      {29, u"NONCONVERT"}, {30, u"ACCEPT"},    {31, u"MODECHANGE"}, {32, u"SPACE"},      {33, u"PRIOR"},
      {34, u"NEXT"},      {35, u"END"},        {36, u"HOME"},       {37, u"LEFT"},       {38, u"UP"},
      {39, u"RIGHT"},     {40, u"DOWN"},       {41, u"SELECT"},     {42, u"PRINT"},      {43, u"EXECUTE"},
      {44, u"SNAPSHOT"},  {45, u"INSERT"},     {46, u"DELETE"},     {47, u"HELP"},       {91, u"LWIN"},
      {92, u"RWIN"},      {93, u"APPS"},       {95, u"SLEEP"},      {106, u"MULTIPLY"},  {107, u"ADD"},
      {108, u"SEPARATOR"}, {109, u"SUBTRACT"}, {110, u"DECIMAL"},   {111, u"DIVIDE"},    {144, u"NUMLOCK"},
      {145, u"SCROLL"},   {160, u"LSHIFT"},    {161, u"RSHIFT"},    {162, u"LCONTROL"},  {163, u"RCONTROL"},
      {164, u"LMENU"},    {165, u"RMENU"},     {186, u";:"},        {187, u"+"},         {188, u","},
      {189, u"-"},        {190, u"."},         {191, u"/?"},        {192, u"`~"},        {219, u"[{"},
      {220, u"\\|"},      {221, u"]}"},        {222, u" ' "},       {240, u"Left_Key"},  {241, u"Right_Key"},
      {242, u"Middle_Key"},
  };
  for (int c = 'A'; c <= 'Z'; ++c) names[c] = std::u16string(1, static_cast<char16_t>(c));
  for (int d = 0; d <= 9; ++d) names['0' + d] = std::u16string(1, static_cast<char16_t>(u'0' + d));
  for (int d = 0; d <= 9; ++d) names[96 + d] = u"NUMPAD" + std::u16string(1, static_cast<char16_t>(u'0' + d));
  for (int f = 1; f <= 24; ++f) {
    std::u16string number;
    for (char c : std::to_string(f)) number.push_back(static_cast<char16_t>(c));
    names[111 + f] = u"F" + number;
  }
  return names;
}

TEST(KeyNames, EveryCodeInBothLanguages) {
  const auto listed = ListedNames();
  for (int code = 0; code < 256; ++code) {
    const auto found = listed.find(code);
    const bool named = found != listed.end();
    SCOPED_TRACE(code);
    EXPECT_EQ(KeyName(static_cast<uint8_t>(code), 1), named ? found->second : u"Not Available");
    EXPECT_EQ(KeyName(static_cast<uint8_t>(code), 0), named ? found->second : u"不可录制");
  }
  // The gaps between named neighbours.
  EXPECT_EQ(KeyName(22, 1), u"Not Available");
  EXPECT_EQ(KeyName(94, 0), u"不可录制");
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
