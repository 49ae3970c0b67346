#include "platform/win32/Win32SingleInstance.h"

#include <windows.h>

#include "platform/win32/Win32CopyData.h"
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

namespace {

constexpr wchar_t kReplyWindowClass[] = L"TX80RequestReply";

// The reply window keeps the text of the reply it got.
LRESULT CALLBACK ReplyWindowProcedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id != WM_COPYDATA) return DefWindowProcW(window, id, wParam, lParam);
  auto* reply = reinterpret_cast<std::optional<std::u16string>*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const auto text = CopyDataText(lParam, kReplyTag);
  if (!reply || !text) return FALSE;
  *reply = *text;
  return TRUE;
}

}  // namespace

std::optional<std::u16string> Win32SingleInstance::SendRequest(std::u16string_view caption,
                                                               std::u16string_view request) {
  HWND target = FindWindowW(nullptr, ToWide(caption).c_str());
  if (!target) return std::nullopt;
  WNDCLASSW replyClass{};
  replyClass.lpfnWndProc = ReplyWindowProcedure;
  replyClass.hInstance = GetModuleHandleW(nullptr);
  replyClass.lpszClassName = kReplyWindowClass;
  RegisterClassW(&replyClass);  // fails harmlessly when registered already
  // A message-only window: the reply's address, never shown nor enumerated.
  HWND replyWindow = CreateWindowExW(0, kReplyWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  if (!replyWindow) return std::nullopt;
  std::optional<std::u16string> reply;
  SetWindowLongPtrW(replyWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&reply));
  AcceptCopyDataFromAnyProcess(replyWindow);  // an elevated sender hears a driver that is not
  const bool delivered = SendCopyData(target, replyWindow, kRequestTag, request);
  DestroyWindow(replyWindow);
  if (!delivered) return std::nullopt;
  return reply;
}

void Win32SingleInstance::Release() {
  if (mutex_) CloseHandle(mutex_);
  mutex_ = nullptr;
}

}  // namespace tx80
