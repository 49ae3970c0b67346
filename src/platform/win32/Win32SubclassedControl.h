#pragma once
#include <windows.h>

#include "framework/Message.h"

namespace tx80 {

// A child window subclassed so that every message reaches its portable
// control's WindowProc first; the original procedure is the control's Default.
// The object lives as long as the window and deletes itself with it.
template <class HostInterface, class Control>
class Win32SubclassedControl : public HostInterface {
 public:
  Win32SubclassedControl(HWND window, Control& control) : window_(window), control_(control) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    control_.Attach(this);
  }

  void SetFocus() override { ::SetFocus(window_); }
  void Destroy() override { DestroyWindow(window_); }
  intptr_t Send(const fw::Message& message) override {
    return SendMessageW(window_, message.id, message.wParam, message.lParam);
  }
  intptr_t Default(const fw::Message& message) override {
    return CallWindowProcW(original_, window_, message.id, message.wParam, message.lParam);
  }
  intptr_t SendToParent(const fw::Message& message) override {
    return SendMessageW(GetParent(window_), message.id, message.wParam, message.lParam);
  }

 protected:
  HWND window_;
  Control& control_;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32SubclassedControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
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

  WNDPROC original_;
};

}  // namespace tx80
