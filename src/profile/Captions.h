#pragma once
#include <string_view>

namespace tx80 {

inline constexpr std::u16string_view kCaptionEnglish = u"TX80_KARVO GAMING MOUSE";
inline constexpr std::u16string_view kCaptionChinese = u"TX80_KARVO 宏编程电竞鼠标";

// Caption of the program's own questions and messages.
inline constexpr std::u16string_view kMessageCaption = u"TX80_KARVO";

// The main window's caption in the interface language (nonzero: English).
inline std::u16string_view MainCaption(int languageFlag) {
  return languageFlag ? kCaptionEnglish : kCaptionChinese;
}

}  // namespace tx80
