#include "platform/win32/Win32Tray.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/win32/Win32WindowHost.h"

namespace tx80 {

namespace {

NOTIFYICONDATAW IconData(WindowHost& window, const TrayIcon& icon) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = WindowHandle(&window);
  data.uID = TrayIcon::kId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = TrayIcon::kCallbackMessage;
  data.hIcon = SmallProgramIcon();
  // The tip is cut to the field, keeping its terminator.
  const size_t length = std::min(icon.tip.size(), std::size(data.szTip) - 1);
  std::copy_n(icon.tip.data(), length, data.szTip);
  return data;
}

}  // namespace

bool Win32Tray::Add(WindowHost& window, const TrayIcon& icon) {
  NOTIFYICONDATAW data = IconData(window, icon);
  return Shell_NotifyIconW(NIM_ADD, &data);
}

void Win32Tray::SetTip(WindowHost& window, const TrayIcon& icon) {
  NOTIFYICONDATAW data = IconData(window, icon);
  data.uFlags = NIF_TIP;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void Win32Tray::Remove(WindowHost& window, const TrayIcon& icon) {
  NOTIFYICONDATAW data = IconData(window, icon);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

uint32_t Win32Tray::ShellRestartMessage() {
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  // The shell runs unelevated; a program run as administrator gets the
  // message only when it lets it through.
  ChangeWindowMessageFilter(message, MSGFLT_ADD);
  return message;
}

}  // namespace tx80
