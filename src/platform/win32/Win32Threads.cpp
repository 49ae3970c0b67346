#include "platform/win32/Win32Threads.h"

#include <windows.h>

#include <string>
#include <thread>

namespace tx80 {

void Win32Threads::Start(std::function<void()> body, ThreadPriority priority) {
  const int level = priority == ThreadPriority::Highest ? THREAD_PRIORITY_HIGHEST : THREAD_PRIORITY_NORMAL;
  // The thread sets its own priority before its body runs: std::thread's native
  // handle is not a Win32 handle under every runtime (MinGW's posix threads).
  std::thread([body = std::move(body), level] {
    SetThreadPriority(GetCurrentThread(), level);
    body();
  }).detach();
}

void Win32Threads::CreateNamedEvent(std::u16string_view name) {
  const std::wstring wide(name.begin(), name.end());
  CreateEventW(nullptr, FALSE, FALSE, wide.c_str());  // kept open until the process ends
}

}  // namespace tx80
