#include <string>

#include "framework/Edit.h"
#include "platform/win32/Win32ChildControls.h"
#include "platform/win32/WideText.h"

namespace tx80 {

std::u16string Win32Edit::Text() {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
  return FromWide(text);
}

void Win32Edit::SetText(std::u16string_view text) { SetWindowTextW(window_, ToWide(text).c_str()); }

void Win32Edit::Enable(bool enabled) { EnableWindow(window_, enabled); }

bool Win32Edit::IsEnabled() { return IsWindowEnabled(window_); }

void Win32Edit::SelectAll() { SendMessageW(window_, EM_SETSEL, 0, -1); }

}  // namespace tx80
