#include "macro/KeyNames.h"

#include <array>

namespace tx80 {

namespace {

using Table = std::array<std::u16string_view, 256>;

constexpr std::u16string_view kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::u16string_view kDigits = u"0123456789";
constexpr std::array<std::u16string_view, 10> kNumpad = {u"NUMPAD0", u"NUMPAD1", u"NUMPAD2", u"NUMPAD3",
                                                         u"NUMPAD4", u"NUMPAD5", u"NUMPAD6", u"NUMPAD7",
                                                         u"NUMPAD8", u"NUMPAD9"};
constexpr std::array<std::u16string_view, 24> kFunctionKeys = {
    u"F1",  u"F2",  u"F3",  u"F4",  u"F5",  u"F6",  u"F7",  u"F8",  u"F9",  u"F10", u"F11", u"F12",
    u"F13", u"F14", u"F15", u"F16", u"F17", u"F18", u"F19", u"F20", u"F21", u"F22", u"F23", u"F24"};

struct Named {
  uint8_t code;
  std::u16string_view name;
};

// The names the stored macros have always shown. 22 and 94 have none although
// their neighbours do; 222 is space, apostrophe, space.
constexpr Named kListed[] = {
    {8, u"BACK"},         {9, u"TAB"},         {12, u"CLEAR"},     {13, u"RETURN"},    {16, u"SHIFT"},
    {17, u"CONTROL"},     {18, u"MENU"},       {19, u"PAUSE"},     {20, u"CAPITAL"},   {21, u"KANA"},
    {23, u"JUNJA"},       {24, u"FINAL"},      {25, u"HANJA"},     {27, u"ESCAPE"},    {28, u"CONVERT"},
    {29, u"NONCONVERT"},  {30, u"ACCEPT"},     {31, u"MODECHANGE"}, {32, u"SPACE"},    {33, u"PRIOR"},
    {34, u"NEXT"},        {35, u"END"},        {36, u"HOME"},      {37, u"LEFT"},      {38, u"UP"},
    {39, u"RIGHT"},       {40, u"DOWN"},       {41, u"SELECT"},    {42, u"PRINT"},     {43, u"EXECUTE"},
    {44, u"SNAPSHOT"},    {45, u"INSERT"},     {46, u"DELETE"},    {47, u"HELP"},      {91, u"LWIN"},
    {92, u"RWIN"},        {93, u"APPS"},       {95, u"SLEEP"},     {106, u"MULTIPLY"}, {107, u"ADD"},
    {108, u"SEPARATOR"},  {109, u"SUBTRACT"},  {110, u"DECIMAL"},  {111, u"DIVIDE"},   {144, u"NUMLOCK"},
    {145, u"SCROLL"},     {160, u"LSHIFT"},    {161, u"RSHIFT"},   {162, u"LCONTROL"}, {163, u"RCONTROL"},
    {164, u"LMENU"},      {165, u"RMENU"},     {186, u";:"},       {187, u"+"},        {188, u","},
    {189, u"-"},          {190, u"."},         {191, u"/?"},       {192, u"`~"},       {219, u"[{"},
    {220, u"\\|"},        {221, u"]}"},        {222, u" ' "},      {240, u"Left_Key"}, {241, u"Right_Key"},
    {242, u"Middle_Key"},
};

constexpr Table BuildTable() {
  Table table{};
  for (size_t i = 0; i < kLetters.size(); ++i) table['A' + i] = kLetters.substr(i, 1);
  for (size_t i = 0; i < kDigits.size(); ++i) table['0' + i] = kDigits.substr(i, 1);
  for (size_t i = 0; i < kNumpad.size(); ++i) table[96 + i] = kNumpad[i];
  for (size_t i = 0; i < kFunctionKeys.size(); ++i) table[112 + i] = kFunctionKeys[i];
  for (const auto& named : kListed) table[named.code] = named.name;
  return table;
}

constexpr Table kTable = BuildTable();

}  // namespace

std::u16string_view KeyNameTable(uint8_t code) { return kTable[code]; }

std::u16string KeyName(uint8_t code, int languageFlag) {
  const auto name = kTable[code];
  if (!name.empty()) return std::u16string(name);
  return std::u16string(languageFlag ? kKeyNotAvailableEnglish : kKeyNotAvailableChinese);
}

}  // namespace tx80
