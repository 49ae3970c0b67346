#pragma once
#include "platform/Console.h"

namespace tx80 {

class Win32Console final : public Console {
 public:
  void Write(std::u16string_view text) override;

 private:
  void Open();

  bool opened_ = false;
  void* output_ = nullptr;  // HANDLE; null when nobody reads
  bool isConsole_ = false;
};

}  // namespace tx80
