#pragma once
#include "platform/Dialogs.h"

namespace tx80 {

class Win32Dialogs final : public Dialogs {
 public:
  void MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
  bool AskYesNo(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
  // In Win32FileDialogs.cpp.
  std::optional<std::filesystem::path> OpenFile(WindowHost* owner, const FileDialogOptions& options) override;
  std::optional<std::filesystem::path> SaveFile(WindowHost* owner, const FileDialogOptions& options) override;
};

}  // namespace tx80
