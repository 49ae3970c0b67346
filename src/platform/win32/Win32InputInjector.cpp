#include "platform/win32/Win32InputInjector.h"

#include <windows.h>

namespace tx80 {

void Win32InputInjector::KeyEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) {
  keybd_event(virtualKey, scanCode, flags, 0);
}

void Win32InputInjector::MouseButtonEvent(uint32_t flags) { mouse_event(flags, 0, 0, 0, 0); }

uint8_t Win32InputInjector::ScanCode(uint8_t virtualKey) {
  return static_cast<uint8_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
}

}  // namespace tx80
