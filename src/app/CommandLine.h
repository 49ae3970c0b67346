#pragma once
#include <string_view>

namespace tx80 {

// The word that the sign-in start puts after the program's path.
inline constexpr std::u16string_view kTrayStartSwitch = u"/tray";

// Whether the command line (the program's own path not included) asks for a
// start into the notification area: one of its blank-separated words is
// "/tray", in any case.
bool StartsInTray(std::u16string_view commandLine);

}  // namespace tx80
