#pragma once
#include <windows.h>

#include "platform/ForegroundWatch.h"

namespace tx80 {

// The foreground-change event of the whole desktop, delivered out of context
// to the UI thread's message loop, and a look every 250 ms, because some
// foreground changes come with no event (where the system does not deliver
// it). Both post the message; the program drops repeats.
class Win32ForegroundWatch final : public ForegroundWatch {
 public:
  void Watch(WindowHost& window, uint32_t message) override;
  ForegroundWindow Foreground() override;

 private:
  static void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD);
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Report();

  HWND window_ = nullptr;
  UINT message_ = 0;
};

}  // namespace tx80
