#pragma once
#include <cstdint>

namespace tx80 {

// The input report the mouse sends for a button it was told to report
// (kReportedDeviceCode): report id 6, then the state byte, 240 + the mouse's
// button number while it is pressed and 0 when it is released.
inline constexpr uint8_t kButtonReportId = 6;
inline constexpr uint8_t kPressCodeBase = 240;
inline constexpr uint8_t kReleaseCode = 0;

constexpr uint8_t PressCode(uint8_t deviceButton) { return static_cast<uint8_t>(kPressCodeBase + deviceButton); }

}  // namespace tx80
