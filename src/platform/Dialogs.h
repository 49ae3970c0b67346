#pragma once
#include <string_view>

namespace tx80 {

class WindowHost;

// Message boxes. Only an OK button is ever offered; the result is not used.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal message box owned by `owner` (may be null) with the given caption
  // (empty: no caption text) and an OK button.
  virtual void MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) = 0;
};

}  // namespace tx80
