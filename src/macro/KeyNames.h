#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tx80 {

inline constexpr std::u16string_view kKeyNotAvailableEnglish = u"Not Available";
inline constexpr std::u16string_view kKeyNotAvailableChinese = u"不可录制";

// The name the event list shows for an event code (a virtual-key code, or 240,
// 241, 242 for the mouse buttons). Codes without a name in KeyNameTable show
// the "not available" text of the interface language (nonzero: English).
std::u16string KeyName(uint8_t code, int languageFlag);

// The listed names alone: empty for a code that has none. Letters and digits
// are listed as themselves.
std::u16string_view KeyNameTable(uint8_t code);

}  // namespace tx80
