#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>

namespace tx80 {

namespace {

// Shell items (the computer folder) and many handlers are COM objects:
// ShellExecute needs COM on the calling thread, which the executor thread
// never had. One apartment per call, left as the thread had it.
class ComForThisCall {
 public:
  ComForThisCall() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComForThisCall() {
    if (initialised_) CoUninitialize();
  }
  ComForThisCall(const ComForThisCall&) = delete;
  ComForThisCall& operator=(const ComForThisCall&) = delete;

 private:
  bool initialised_;
};

}  // namespace

void Win32Shell::Open(std::u16string_view target) {
  const std::wstring wide(target.begin(), target.end());
  ComForThisCall com;
  ShellExecuteW(nullptr, nullptr, wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::OpenDocument(std::u16string_view path) {
  const std::wstring wide(path.begin(), path.end());
  ComForThisCall com;
  ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Shell::Run(std::string_view commandLine) {
  const std::string line(commandLine);
  WinExec(line.c_str(), SW_SHOW);
}

void Win32Shell::LockWorkstation() { ::LockWorkStation(); }

}  // namespace tx80
