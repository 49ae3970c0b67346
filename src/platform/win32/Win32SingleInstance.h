#pragma once
#include "platform/SingleInstance.h"

namespace tx80 {

class Win32SingleInstance final : public SingleInstance {
 public:
  bool AlreadyRunning(std::u16string_view mutexName) override;
  bool RestoreWindow(std::u16string_view caption) override;
  void Release() override;
  std::optional<std::u16string> SendRequest(std::u16string_view caption, std::u16string_view request) override;

 private:
  void* mutex_ = nullptr;  // HANDLE
};

}  // namespace tx80
