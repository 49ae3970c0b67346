#include "platform/win32/Win32SystemMouse.h"

#include <windows.h>

#include <cstdint>

namespace tx80 {

std::optional<int> Win32SystemMouse::PointerSpeed() {
  int speed = 0;
  if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) return std::nullopt;
  return speed;
}

void Win32SystemMouse::SetPointerSpeed(int speed) {
  // Windows takes the new speed from the pointer argument itself; Wine takes it
  // from uiParam, which Windows ignores here: pass it in both.
  SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                        reinterpret_cast<void*>(static_cast<intptr_t>(speed)), SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

std::optional<unsigned> Win32SystemMouse::WheelScrollLines() {
  UINT lines = 0;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return std::nullopt;
  return lines;
}

void Win32SystemMouse::SetWheelScrollLines(unsigned lines) {
  // Without the broadcast, running programs keep scrolling by the old count.
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace tx80
