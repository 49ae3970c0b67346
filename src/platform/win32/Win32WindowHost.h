#pragma once
#include <windows.h>

#include <atomic>

#include "platform/WindowHost.h"

namespace tx80 {

// The real window behind one running dialog. The handle is set when the window
// is created and cleared when it is destroyed, so that a late call from another
// thread does nothing.
class Win32WindowHost final : public WindowHost {
 public:
  HWND Handle() const { return window_.load(); }
  void SetHandle(HWND window) { window_.store(window); }
  // An owner disabled while this window runs; enabled again just before the
  // window goes, so that activation returns to it and not to another program.
  void SetDisabledOwner(HWND owner) { disabledOwner_ = owner; }
  void EnableOwner();
  void SetModal(bool modal) { modal_ = modal; }
  // What EndModal was given; 0 when the window ended otherwise.
  int EndResult() const { return endResult_; }

  void SetCaption(std::u16string_view caption) override;
  void Invalidate(bool erase) override;
  void InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool erase) override;
  void UpdateNow() override;
  void Show(ShowMode mode) override;
  void Destroy() override;
  bool AppendToSystemMenu(uint32_t id, std::u16string_view text) override;
  void SetBigIcon() override;
  void Post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
  void SetShape(const std::vector<fw::Rect>& rectangles) override;
  void Resize(int width, int height) override;
  fw::Rect ScreenRect() override;
  void Move(const fw::Rect& rect) override;
  bool IsMinimized() override;
  bool IsVisible() override;
  void SetForeground() override;
  intptr_t Send(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
  void EndModal(int result) override;

 private:
  std::atomic<HWND> window_{nullptr};
  HWND disabledOwner_ = nullptr;
  bool modal_ = true;
  int endResult_ = 0;
};

// The window handle behind a host of this backend; null for none.
HWND WindowHandle(WindowHost* host);

// The program's icon (resource 159) at the system's large icon size.
HICON ProgramIcon();
// The icon's own small image (16 pixels at 100 %), not the large one shrunk.
HICON SmallProgramIcon();

}  // namespace tx80
