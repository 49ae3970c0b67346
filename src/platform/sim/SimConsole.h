#pragma once
#include <mutex>
#include <string>

#include "platform/Console.h"

namespace tx80 {

// Keeps what the program wrote, as the starter's console would show it.
class SimConsole : public Console {
 public:
  void Write(std::u16string_view text) override;
  std::u16string Text() const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::u16string text_;
};

}  // namespace tx80
