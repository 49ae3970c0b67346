#pragma once
#include <string>
#include <string_view>

namespace tx80 {

// Invalid sequences become U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// True when Utf8ToUtf16 would replace nothing.
bool IsValidUtf8(std::string_view text);

}  // namespace tx80
