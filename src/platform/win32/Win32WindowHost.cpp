#include "platform/win32/Win32WindowHost.h"

#include "platform/win32/WideText.h"
#include "resource.h"

namespace tx80 {

HWND WindowHandle(WindowHost* host) {
  // Every host on this backend is a Win32WindowHost.
  return host ? static_cast<Win32WindowHost*>(host)->Handle() : nullptr;
}

HICON ProgramIcon() { return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)); }

void Win32WindowHost::SetCaption(std::u16string_view caption) {
  SetWindowTextW(Handle(), ToWide(caption).c_str());
}

void Win32WindowHost::Invalidate(bool erase) { InvalidateRect(Handle(), nullptr, erase ? TRUE : FALSE); }

void Win32WindowHost::Show(ShowMode mode) {
  int command = SW_SHOW;
  switch (mode) {
    case ShowMode::Show: command = SW_SHOW; break;
    case ShowMode::Hide: command = SW_HIDE; break;
    case ShowMode::Minimize: command = SW_MINIMIZE; break;
    case ShowMode::Restore: command = SW_RESTORE; break;
  }
  ShowWindow(Handle(), command);
}

void Win32WindowHost::EnableOwner() {
  if (disabledOwner_) EnableWindow(disabledOwner_, TRUE);
  disabledOwner_ = nullptr;
}

void Win32WindowHost::Destroy() {
  EnableOwner();
  if (HWND window = Handle()) DestroyWindow(window);
}

bool Win32WindowHost::AppendToSystemMenu(uint32_t id, std::u16string_view text) {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return false;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, id, ToWide(text).c_str());
  return true;
}

void Win32WindowHost::SetBigIcon() {
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon()));
}

void Win32WindowHost::Post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  PostMessageW(Handle(), id, wParam, lParam);
}

}  // namespace tx80
