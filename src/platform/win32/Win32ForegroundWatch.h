#pragma once
#include <windows.h>

#include "platform/ForegroundWatch.h"

namespace tx80 {

// The foreground-change event of the whole desktop, delivered out of context
// to the UI thread's message loop, and a look at the foreground window every
// 250 ms where the event is not delivered; the window is told once per change.
class Win32ForegroundWatch final : public ForegroundWatch {
 public:
  void Watch(WindowHost& window, uint32_t message) override;
  std::u16string ForegroundProgram() override;

 private:
  static void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD);
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Look();

  HWND window_ = nullptr;
  UINT message_ = 0;
  HWND lastSeen_ = nullptr;
};

}  // namespace tx80
