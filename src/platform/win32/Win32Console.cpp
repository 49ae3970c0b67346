#include "platform/win32/Win32Console.h"

#include <windows.h>

#include <string>

#include "framework/Utf.h"

namespace tx80 {

// A program of the windows subsystem has no console of its own. A starter that
// redirected its output handed it a file or pipe; otherwise the console of the
// command prompt that started it is borrowed.
void Win32Console::Open() {
  opened_ = true;
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (output && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN) {
    output_ = output;
    isConsole_ = GetConsoleMode(output, &mode) != 0;
    return;
  }
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;  // started from the desktop: nobody reads
  output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
  if (output == INVALID_HANDLE_VALUE) return;
  output_ = output;
  isConsole_ = true;
}

void Win32Console::Write(std::u16string_view text) {
  if (!opened_) Open();
  if (!output_) return;
  std::u16string lines;
  for (char16_t c : text) {
    if (c == u'\n') lines += u'\r';
    lines += c;
  }
  DWORD written = 0;
  if (isConsole_) {
    // The console shows every character whatever its code page.
    WriteConsoleW(output_, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    return;
  }
  const std::string bytes = Utf16ToUtf8(lines);
  WriteFile(output_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace tx80
