#pragma once
#include <windows.h>

#include "platform/KeyboardHook.h"

namespace tx80 {

// A low-level keyboard hook over the whole desktop. The system calls it in the
// thread that installed it, from that thread's message loop; a nonzero return
// keeps the keystroke from the system, CallNextHookEx passes it on.
class Win32KeyboardHook final : public KeyboardHook {
 public:
  ~Win32KeyboardHook() override { Remove(); }
  bool Install(Handler handler) override;
  void Remove() override;
  void PostToWindow(std::u16string_view caption, uint32_t message, uint32_t virtualKey) override;

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);
  // The hook procedure has no argument of ours; one capture at a time exists.
  static Win32KeyboardHook* active_;
  HHOOK hook_ = nullptr;
  Handler handler_;
};

}  // namespace tx80
