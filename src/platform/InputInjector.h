#pragma once
#include <cstdint>

namespace tx80 {

// Key event flags, as the system's keyboard synthesis takes them.
inline constexpr uint32_t kKeyEventExtendedKey = 0x0001;
inline constexpr uint32_t kKeyEventKeyUp = 0x0002;

// Mouse button event flags, as the system's mouse synthesis takes them.
inline constexpr uint32_t kMouseLeftDown = 0x0002;
inline constexpr uint32_t kMouseLeftUp = 0x0004;
inline constexpr uint32_t kMouseRightDown = 0x0008;
inline constexpr uint32_t kMouseRightUp = 0x0010;
inline constexpr uint32_t kMouseMiddleDown = 0x0020;
inline constexpr uint32_t kMouseMiddleUp = 0x0040;

// Synthesised keyboard and mouse input, seen by whatever window has the focus.
// Called from the UI thread (closing sequence) and the executor thread.
class InputInjector {
 public:
  virtual ~InputInjector() = default;
  // One key event: virtual-key code, hardware scan code, kKeyEvent* flags.
  virtual void KeyEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) = 0;
  // One mouse button event at the current position: kMouse* flags.
  virtual void MouseButtonEvent(uint32_t flags) = 0;
  // Scan code of a virtual key on the current keyboard layout (0 when none).
  virtual uint8_t ScanCode(uint8_t virtualKey) = 0;
};

}  // namespace tx80
