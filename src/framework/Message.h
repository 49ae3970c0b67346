#pragma once
#include <cstdint>

namespace fw {

// A window message as the program's message loop sees it before dispatch. The
// ids are the system's own numbers, so that the program's private messages keep
// the values other windows and stored habits rely on.
struct Message {
  uint32_t id = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
  // Addressed to the dialog itself or to one of its child windows.
  bool forDialogOrChild = true;
};

namespace msg {
inline constexpr uint32_t kSize = 0x0005;
inline constexpr uint32_t kKillFocus = 0x0008;
inline constexpr uint32_t kPaint = 0x000F;
inline constexpr uint32_t kClose = 0x0010;
inline constexpr uint32_t kQueryEndSession = 0x0011;
inline constexpr uint32_t kEndSession = 0x0016;
inline constexpr uint32_t kEraseBkgnd = 0x0014;
inline constexpr uint32_t kShowWindow = 0x0018;
inline constexpr uint32_t kKeyDown = 0x0100;
inline constexpr uint32_t kKeyUp = 0x0101;
inline constexpr uint32_t kChar = 0x0102;
inline constexpr uint32_t kSysKeyDown = 0x0104;
inline constexpr uint32_t kSysKeyUp = 0x0105;
inline constexpr uint32_t kCommand = 0x0111;
inline constexpr uint32_t kSysCommand = 0x0112;
inline constexpr uint32_t kHScroll = 0x0114;
inline constexpr uint32_t kVScroll = 0x0115;
inline constexpr uint32_t kNcLButtonDown = 0x00A1;
inline constexpr uint32_t kMouseMove = 0x0200;
inline constexpr uint32_t kLButtonDown = 0x0201;
inline constexpr uint32_t kLButtonUp = 0x0202;
inline constexpr uint32_t kLButtonDblClk = 0x0203;
inline constexpr uint32_t kRButtonDown = 0x0204;
inline constexpr uint32_t kRButtonUp = 0x0205;
inline constexpr uint32_t kPowerBroadcast = 0x0218;
inline constexpr uint32_t kDeviceChange = 0x0219;
inline constexpr uint32_t kUser = 0x0400;
}  // namespace msg

namespace vk {
inline constexpr uint8_t kReturn = 0x0D;
inline constexpr uint8_t kMenu = 0x12;  // Alt
inline constexpr uint8_t kEscape = 0x1B;
inline constexpr uint8_t kF10 = 0x79;
}  // namespace vk

inline constexpr uint32_t kScMinimize = 0xF020;

// WM_POWERBROADCAST events.
namespace power {
inline constexpr uintptr_t kSuspend = 0x0004;         // PBT_APMSUSPEND
inline constexpr uintptr_t kResumeSuspend = 0x0007;   // PBT_APMRESUMESUSPEND: resumed, and a user is there
inline constexpr uintptr_t kStatusChange = 0x000A;    // PBT_APMPOWERSTATUSCHANGE: battery, charger
inline constexpr uintptr_t kResumeAutomatic = 0x0012; // PBT_APMRESUMEAUTOMATIC: every resume
inline constexpr uintptr_t kSettingChange = 0x8013;   // PBT_POWERSETTINGCHANGE
}  // namespace power
inline constexpr uintptr_t kHtCaption = 2;

// Command ids of a dialog's OK and Cancel (Enter and Escape).
inline constexpr uint32_t kIdOk = 1;
inline constexpr uint32_t kIdCancel = 2;

// A point as pointer messages carry it: x in the low 16 bits, y in the high.
inline constexpr intptr_t PackPoint(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}

}  // namespace fw
