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

}  // namespace

void Win32ForegroundWatch::Watch(WindowHost& window, uint32_t message) {
  window_ = WindowHandle(&window);
  message_ = message;
  lastSeen_ = GetForegroundWindow();
  watching = this;
  // Both run on this thread, from its message loop.
  SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnForegroundEvent, 0, 0,
                  WINEVENT_OUTOFCONTEXT);
  SetTimer(nullptr, 0, kLookIntervalMs, &OnTimer);
}

void CALLBACK Win32ForegroundWatch::OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  if (watching) watching->Look();
}

void CALLBACK Win32ForegroundWatch::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (watching) watching->Look();
}

void Win32ForegroundWatch::Look() {
  HWND front = GetForegroundWindow();
  if (front == lastSeen_) return;
  lastSeen_ = front;
  if (IsWindow(window_)) PostMessageW(window_, message_, 0, 0);
}

std::u16string Win32ForegroundWatch::ForegroundProgram() {
  HWND front = GetForegroundWindow();
  DWORD processId = 0;
  if (!front || !GetWindowThreadProcessId(front, &processId) || !processId) return {};
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  std::wstring path(kLongestPath, L'\0');
  DWORD length = kLongestPath;
  const BOOL named = QueryFullProcessImageNameW(process, 0, path.data(), &length);
  CloseHandle(process);
  if (!named) return {};
  path.resize(length);
  return FromWide(std::wstring_view(path).substr(path.find_last_of(L"\\/") + 1));
}

}  // namespace tx80
