#include "platform/win32/Win32PopupMenus.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32WindowHost.h"

namespace tx80 {

namespace {

static_assert(kTrackLeftButton == TPM_LEFTBUTTON && kTrackRightButton == TPM_RIGHTBUTTON);

HMENU MenuOf(MenuHandle menu) { return reinterpret_cast<HMENU>(static_cast<uintptr_t>(menu)); }
MenuHandle HandleOf(HMENU menu) { return static_cast<MenuHandle>(reinterpret_cast<uintptr_t>(menu)); }

}  // namespace

fw::Point Win32PopupMenus::CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

MenuHandle Win32PopupMenus::Load(int resourceId) {
  return HandleOf(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId)));
}

void Win32PopupMenus::Destroy(MenuHandle menu) {
  if (menu != MenuHandle::None) DestroyMenu(MenuOf(menu));
}

int Win32PopupMenus::ItemCount(MenuHandle menu) { return std::max(GetMenuItemCount(MenuOf(menu)), 0); }

std::u16string Win32PopupMenus::ItemText(MenuHandle menu, int position) {
  const UINT item = static_cast<UINT>(position);
  const int length = GetMenuStringW(MenuOf(menu), item, nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetMenuStringW(MenuOf(menu), item, text.data(), length + 1, MF_BYPOSITION);
  text.resize(static_cast<size_t>(length));
  return FromWide(text);
}

int32_t Win32PopupMenus::ItemId(MenuHandle menu, int position) {
  return static_cast<int32_t>(GetMenuItemID(MenuOf(menu), position));
}

MenuHandle Win32PopupMenus::SubMenu(MenuHandle menu, int position) {
  return HandleOf(GetSubMenu(MenuOf(menu), position));
}

void Win32PopupMenus::MakeOwnerDrawn(MenuHandle menu, int position, uintptr_t itemData) {
  // Only the type and the data change: the item keeps its id, its text and
  // the submenu it opens.
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  if (!GetMenuItemInfoW(MenuOf(menu), static_cast<UINT>(position), TRUE, &info)) return;
  info.fMask = MIIM_FTYPE | MIIM_DATA;
  info.fType |= MFT_OWNERDRAW;
  info.dwItemData = itemData;
  SetMenuItemInfoW(MenuOf(menu), static_cast<UINT>(position), TRUE, &info);
}

void Win32PopupMenus::SetChecked(MenuHandle menu, int position, bool checked) {
  CheckMenuItem(MenuOf(menu), static_cast<UINT>(position), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32PopupMenus::TrackPopup(MenuHandle menu, uint32_t flags, fw::Point at, WindowHost& owner) {
  HWND window = WindowHandle(&owner);
  TrackPopupMenu(MenuOf(menu), flags, at.x, at.y, 0, window, nullptr);
  // A menu opened from the notification area closes at once the next time
  // unless the owner's thread takes a message after it.
  PostMessageW(window, WM_NULL, 0, 0);
}

}  // namespace tx80
