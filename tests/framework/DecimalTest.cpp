#include "framework/Decimal.h"

#include <gtest/gtest.h>

namespace tx80 {
namespace {

TEST(ParseDecimal, ConvertsLikeTheCLibrary) {
  const struct {
    std::u16string_view text;
    int32_t value;
  } cases[] = {
      {u"12", 12},          {u"   12", 12},  {u"\t12abc", 12},  {u"abc", 0},          {u"", 0},
      {u"-3", -3},          {u"+7", 7},      {u"- 3", 0},        {u"1 2", 1},          {u"0012", 12},
      {u"99999999999", 2147483647},          {u"-99999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

TEST(FormatDecimal, WritesPercentD) {
  EXPECT_EQ(FormatDecimal(0), u"0");
  EXPECT_EQ(FormatDecimal(-12), u"-12");
  EXPECT_EQ(FormatDecimal(300), u"300");
}

}  // namespace
}  // namespace tx80
