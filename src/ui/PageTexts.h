#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "ui/SkinTables.h"

namespace tx80 {

class MacroStore;

// The texts the main window computes at every paint instead of taking them
// from the skin. languageFlag: nonzero English, zero Chinese.

// The driver status line (main element 1). While the driver waits for its
// start click it names the slot to click; `startKeyBlink` off shows a space in
// its place, so the number flashes.
std::u16string StatusLine(int32_t languageFlag, bool driverActive, int32_t startKeySlot, bool startKeyBlink);

// Asks for the mouse: the message of a start without it, and the status line
// while it is unplugged.
std::u16string PlugInMessage(int32_t languageFlag);

// What a button element shows for its FunctionCode: the function's name from
// the skin for codes below 41, the name of macro code - 41 for higher codes.
// Codes 7..10 (the group rows of the assignment list, which a hand-edited
// file may give a button) show their row's name. Nothing for codes below 0 and
// a macro slot not in use (53 and above never are).
std::u16string FunctionDisplayName(int32_t code, const std::array<std::u16string, kFunctionNameCount>& functionNames,
                                   const MacroStore& macros);

// The record element of the macro page: what a press on it does next.
std::u16string RecordText(int32_t languageFlag, bool recording);

// The fire time as shown beside its bar: "50ms".
std::u16string FireTimeText(int32_t fireTime);

}  // namespace tx80
