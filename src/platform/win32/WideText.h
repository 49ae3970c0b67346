#pragma once
#include <string>
#include <string_view>

namespace tx80 {

// The program's text is UTF-16 in char16_t; Windows takes the same code units
// as wchar_t, which is 16 bits wide there.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Win32 backend needs a 16-bit wchar_t");

// A null-terminated copy for the W functions (a string_view need not end in one).
inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

}  // namespace tx80
