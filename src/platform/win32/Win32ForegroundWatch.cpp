#include "platform/win32/Win32ForegroundWatch.h"

#include <string>

#include "platform/win32/Win32WindowHost.h"
#include "platform/win32/WideText.h"

namespace tx80 {

namespace {

constexpr UINT kLookIntervalMs = 250;
constexpr DWORD kLongestPath = 32768;

// The callbacks carry no pointer of ours; the program watches once.
Win32ForegroundWatch* watching = nullptr;

std::u16string ImagePathOf(HWND window) {
  DWORD processId = 0;
  if (!window || !GetWindowThreadProcessId(window, &processId) || !processId) return {};
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  std::wstring path(kLongestPath, L'\0');
  DWORD length = kLongestPath;
  const BOOL named = QueryFullProcessImageNameW(process, 0, path.data(), &length);
  CloseHandle(process);
  if (!named) return {};
  path.resize(length);
  return FromWide(path);
}

}  // namespace

void Win32ForegroundWatch::Watch(WindowHost& window, uint32_t message) {
  window_ = WindowHandle(&window);
  message_ = message;
  watching = this;
  // Both run on this thread, from its message loop.
  SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnForegroundEvent, 0, 0,
                  WINEVENT_OUTOFCONTEXT);
  SetTimer(nullptr, 0, kLookIntervalMs, &OnTimer);
}

void CALLBACK Win32ForegroundWatch::OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  if (watching) watching->Report();
}

void CALLBACK Win32ForegroundWatch::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (watching) watching->Report();
}

void Win32ForegroundWatch::Report() {
  if (IsWindow(window_)) PostMessageW(window_, message_, 0, 0);
}

ForegroundWindow Win32ForegroundWatch::Foreground() {
  HWND front = GetForegroundWindow();
  return {reinterpret_cast<uintptr_t>(front), ImagePathOf(front)};
}

}  // namespace tx80
