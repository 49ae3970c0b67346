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

inline constexpr int32_t kFirstMacroCode = 41;
inline constexpr int32_t kDpiCycleCode = 6;
inline constexpr int32_t kDpiUpCode = 17;
inline constexpr int32_t kDpiDownCode = 18;

// The catalog entry of a code. Codes that name no function (7..10, 20, 53 and
// above, negative) give the mouse device code 0, as code 0 does.
FunctionInfo LookupFunction(int32_t code);

}  // namespace tx80
