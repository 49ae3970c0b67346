#include <string>

#include "framework/Edit.h"
#include "platform/win32/Win32ChildControls.h"
#include "platform/win32/WideText.h"

namespace tx80 {

Win32Edit::Win32Edit(HWND window, fw::Edit& control) : window_(window), control_(control) {
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Edit::Procedure)));
  control_.Attach(this);
}

LRESULT CALLBACK Win32Edit::Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Edit*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (id == WM_NCDESTROY) {
    const WNDPROC original = self->original_;
    self->control_.Attach(nullptr);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    delete self;
    return CallWindowProcW(original, window, id, wParam, lParam);
  }
  // The control may destroy its own window in there: `self` is not used after.
  return self->control_.WindowProc(fw::Message{id, wParam, lParam});
}

std::u16string Win32Edit::Text() {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
  return FromWide(text);
}

void Win32Edit::SetText(std::u16string_view text) { SetWindowTextW(window_, ToWide(text).c_str()); }

void Win32Edit::Enable(bool enabled) { EnableWindow(window_, enabled); }

bool Win32Edit::IsEnabled() { return IsWindowEnabled(window_); }

void Win32Edit::SetFocus() { ::SetFocus(window_); }

void Win32Edit::SelectAll() { SendMessageW(window_, EM_SETSEL, 0, -1); }

void Win32Edit::Destroy() { DestroyWindow(window_); }

intptr_t Win32Edit::Send(const fw::Message& message) {
  return SendMessageW(window_, message.id, message.wParam, message.lParam);
}

intptr_t Win32Edit::Default(const fw::Message& message) {
  return CallWindowProcW(original_, window_, message.id, message.wParam, message.lParam);
}

intptr_t Win32Edit::SendToParent(const fw::Message& message) {
  return SendMessageW(GetParent(window_), message.id, message.wParam, message.lParam);
}

}  // namespace tx80
