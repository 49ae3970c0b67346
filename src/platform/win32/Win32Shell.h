#pragma once
#include "platform/Shell.h"

namespace tx80 {

class Win32Shell final : public Shell {
 public:
  void Open(std::u16string_view target) override;
  void OpenDocument(std::u16string_view path) override;
  void Run(std::string_view commandLine) override;
  void LockWorkstation() override;
};

}  // namespace tx80
