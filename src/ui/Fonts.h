#pragma once
#include <cstdint>

#include "framework/Canvas.h"

namespace tx80 {

// The main window's text fonts. The backend makes each once, on first use, and
// keeps it for the life of the window. Where a face is not installed the
// system substitutes another (the Wine set-up maps both faces to installed
// fonts), so the names stay as the program has always asked for them.

// Every text while the interface is English.
inline constexpr fw::FontSpec MainFontEn{15, 7, 400, 0, 2, 1, 0, 0x11, u"Consolas"};
// Every text while the interface is Chinese.
inline constexpr fw::FontSpec MainFontCn{12, 6, 400, 0, 0, 0, 0, 0x20, u"宋体"};
// The labels of the DPI levels in English.
inline constexpr fw::FontSpec SmallFontEn{13, 6, 400, 0, 2, 1, 0, 0x11, u"Consolas"};

// The font of the interface language (nonzero English, zero Chinese).
inline const fw::FontSpec& MainFont(int32_t languageFlag) { return languageFlag ? MainFontEn : MainFontCn; }

}  // namespace tx80
