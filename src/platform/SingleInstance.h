#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tx80 {

// The named mutex that keeps one copy of the program running, and the way a
// second copy brings the first one's window back.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // Creates the named mutex (kept open for the life of the process); true when
  // another process already holds one of that name.
  virtual bool AlreadyRunning(std::u16string_view mutexName) = 0;
  // Finds a top-level window by its caption and restores it; false when none.
  virtual bool RestoreWindow(std::u16string_view caption) = 0;
  // Closes the mutex handle (the second copy does before it exits).
  virtual void Release() = 0;

  // How long a request may take before the running copy counts as hung.
  static constexpr int kRequestTimeoutMs = 20000;
  // Hands `request` to the top-level window with this caption, hidden or not,
  // as the window's fw::Dialog::OnRequest, and waits for its reply. Nothing
  // when no such window exists, or it gave no reply (not the program's main
  // window, ended or hung past kRequestTimeoutMs). The running copy may run
  // with other rights than the sender (elevated or not): both ways pass.
  virtual std::optional<std::u16string> SendRequest(std::u16string_view caption, std::u16string_view request) = 0;
};

}  // namespace tx80
