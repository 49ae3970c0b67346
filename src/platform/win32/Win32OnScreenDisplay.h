#pragma once
#include <windows.h>

#include "platform/OnScreenDisplay.h"

namespace tx80 {

// A layered, click-through, topmost tool window without activation, made on
// first use; a timer of its own hides it.
class Win32OnScreenDisplay final : public OnScreenDisplay {
 public:
  fw::Rect WorkArea() override;
  fw::Size TextSize(std::u16string_view text, const fw::FontSpec& font) override;
  void Show(const OnScreenText& text) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam);
  bool MakeWindow();
  void Paint(HWND window);

  HWND window_ = nullptr;
  OnScreenText shown_;
};

}  // namespace tx80
