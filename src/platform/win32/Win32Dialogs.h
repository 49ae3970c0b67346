#pragma once
#include "platform/Dialogs.h"

namespace tx80 {

class Win32Dialogs final : public Dialogs {
 public:
  void MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
};

}  // namespace tx80
