#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace tx80 {

void Win32Shell::Open(std::u16string_view target) {
  const std::wstring wide(target.begin(), target.end());
  ShellExecuteW(nullptr, nullptr, wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::OpenDocument(std::u16string_view path) {
  const std::wstring wide(path.begin(), path.end());
  ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Shell::Run(std::string_view commandLine) {
  const std::string line(commandLine);
  WinExec(line.c_str(), SW_SHOW);
}

void Win32Shell::LockWorkstation() { ::LockWorkStation(); }

}  // namespace tx80
