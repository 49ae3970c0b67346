#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tx80 {

// Decimal text to integer the way the C library converts it: leading white
// space, an optional sign, then digits up to the first other character; text
// without digits gives 0. Values beyond 32 bits saturate.
int32_t ParseDecimal(std::u16string_view text);

// "%d".
std::u16string FormatDecimal(int64_t value);

}  // namespace tx80
