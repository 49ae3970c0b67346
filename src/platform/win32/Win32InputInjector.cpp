#include "platform/win32/Win32InputInjector.h"

#include <windows.h>

namespace tx80 {

namespace {

Elevation ElevationOf(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return Elevation::Unreadable;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const BOOL read = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  if (!read) return Elevation::Unreadable;
  return elevation.TokenIsElevated ? Elevation::Elevated : Elevation::NotElevated;
}

}  // namespace

void Win32InputInjector::KeyEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = scanCode;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void Win32InputInjector::MouseButtonEvent(uint32_t flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

uint8_t Win32InputInjector::ScanCode(uint8_t virtualKey) {
  // Thread 0 (no window in front) is this thread's own layout.
  const HWND front = GetForegroundWindow();
  const HKL layout = GetKeyboardLayout(front ? GetWindowThreadProcessId(front, nullptr) : 0);
  return static_cast<uint8_t>(MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC, layout));
}

bool Win32InputInjector::ButtonsSwapped() { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }

std::optional<InputTarget> Win32InputInjector::ForegroundTarget() {
  const HWND front = GetForegroundWindow();
  if (!front) return std::nullopt;
  DWORD processId = 0;
  GetWindowThreadProcessId(front, &processId);
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return InputTarget{{}, Elevation::Unreadable};
  InputTarget target;
  wchar_t path[MAX_PATH];
  DWORD length = MAX_PATH;
  if (QueryFullProcessImageNameW(process, 0, path, &length))
    target.imagePath.assign(reinterpret_cast<const char16_t*>(path), length);
  target.elevation = ElevationOf(process);
  CloseHandle(process);
  return target;
}

Elevation Win32InputInjector::OwnElevation() { return ElevationOf(GetCurrentProcess()); }

}  // namespace tx80
