#include "platform/win32/Win32Dialogs.h"

#include "platform/win32/Win32WindowHost.h"
#include "platform/win32/WideText.h"

// <windows.h> maps MessageBox to MessageBoxW by macro; the seam's method keeps its name.
#undef MessageBox

namespace tx80 {

void Win32Dialogs::MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) {
  ::MessageBoxW(WindowHandle(owner), ToWide(text).c_str(), ToWide(caption).c_str(), MB_OK);
}

bool Win32Dialogs::AskYesNo(WindowHost* owner, std::u16string_view text, std::u16string_view caption) {
  return ::MessageBoxW(WindowHandle(owner), ToWide(text).c_str(), ToWide(caption).c_str(), MB_YESNO | MB_ICONQUESTION) ==
         IDYES;
}

}  // namespace tx80
