#include "platform/win32/Win32SingleInstance.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace tx80 {

bool Win32SingleInstance::AlreadyRunning(std::u16string_view mutexName) {
  mutex_ = CreateMutexW(nullptr, FALSE, ToWide(mutexName).c_str());
  // A copy run as administrator made the mutex with a security a normal
  // program cannot open: the create fails, but the name is just as taken.
  const DWORD error = GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

bool Win32SingleInstance::RestoreWindow(std::u16string_view caption) {
  HWND window = FindWindowW(nullptr, ToWide(caption).c_str());
  if (!window) return false;
  ShowWindow(window, SW_RESTORE);
  return true;
}

void Win32SingleInstance::Release() {
  if (mutex_) CloseHandle(mutex_);
  mutex_ = nullptr;
}

}  // namespace tx80
