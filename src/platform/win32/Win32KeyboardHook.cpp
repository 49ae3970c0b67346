#include "platform/win32/Win32KeyboardHook.h"

#include "platform/win32/WideText.h"

namespace tx80 {

Win32KeyboardHook* Win32KeyboardHook::active_ = nullptr;

bool Win32KeyboardHook::Install(Handler handler) {
  Remove();
  hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, &Win32KeyboardHook::Procedure, GetModuleHandleW(nullptr), 0);
  if (!hook_) return false;
  handler_ = std::move(handler);
  active_ = this;
  return true;
}

void Win32KeyboardHook::Remove() {
  if (!hook_) return;
  UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  handler_ = nullptr;
  if (active_ == this) active_ = nullptr;
}

void Win32KeyboardHook::PostToWindow(std::u16string_view caption, uint32_t message, uint32_t virtualKey) {
  if (HWND window = FindWindowW(nullptr, ToWide(caption).c_str())) PostMessageW(window, message, virtualKey, 0);
}

LRESULT CALLBACK Win32KeyboardHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  // A negative code is not ours to handle: the system wants it passed on untouched.
  if (code < 0 || !active_) return CallNextHookEx(nullptr, code, wParam, lParam);
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (active_->handler_(static_cast<uint32_t>(wParam), key->vkCode)) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace tx80
