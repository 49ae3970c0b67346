#pragma once
#include <cstdint>

namespace tx80 {

enum class Performer { None, Mouse, Program };

// What one FunctionCode means to the mouse and to the program.
struct FunctionInfo {
  uint8_t deviceCode = 0;  // byte 3 of the button's ButtonCommand
  Performer performer = Performer::None;
  int dpiRole = 0;  // 2 cycle, 1 up, -1 down, 0 none
};

// The FunctionCodes the program performs itself, by name. The left click,
// code 1, is the profile model's (kLeftClick).
namespace function_code {
inline constexpr int32_t kDpiCycle = 6;
inline constexpr int32_t kDpiUp = 17;
inline constexpr int32_t kDpiDown = 18;
inline constexpr int32_t kLedToggle = 19;
inline constexpr int32_t kMute = 26;
inline constexpr int32_t kCopy = 31;
inline constexpr int32_t kPaste = 32;
inline constexpr int32_t kSelectAll = 33;
inline constexpr int32_t kUndo = 34;
inline constexpr int32_t kCloseWindow = 35;  // Alt+F4
inline constexpr int32_t kComputer = 36;
inline constexpr int32_t kLockWorkstation = 37;
inline constexpr int32_t kCalculator = 38;
inline constexpr int32_t kCommandPrompt = 39;
inline constexpr int32_t kNextProfile = 40;
inline constexpr int32_t kFirstMacro = 41;  // macro i is kFirstMacro + i
}  // namespace function_code

// The catalog entry of a code. Codes that name no function (7..10, 20, 53 and
// above, negative) give the mouse device code 0, as code 0 does.
FunctionInfo LookupFunction(int32_t code);

}  // namespace tx80
