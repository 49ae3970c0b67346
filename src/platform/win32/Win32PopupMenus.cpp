#include "platform/win32/Win32PopupMenus.h"

#include <windows.h>

#include "platform/win32/Win32WindowHost.h"

namespace tx80 {

fw::Point Win32PopupMenus::CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

void Win32PopupMenus::Track(WindowHost& owner, int menuId, fw::Point at) {
  HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
  if (!menu) return;
  if (HMENU popup = GetSubMenu(menu, 0))
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, WindowHandle(&owner), nullptr);
  DestroyMenu(menu);
}

}  // namespace tx80
