#pragma once
#include <vector>

#include "platform/WindowSystem.h"

namespace tx80 {

// Runs the program's dialogs: each is created modeless from its template and
// driven by the program's own message loop, so that the dialog's
// PreTranslateMessage sees every message before the dialog manager does.
class Win32WindowSystem final : public WindowSystem {
 public:
  int RunModal(fw::Dialog& dialog) override;
  void InitializeControls() override;
  std::u16string LoadResourceString(int id) override;

 private:
  // Windows of the dialogs now running, innermost last: the owner of a new one.
  std::vector<void*> running_;  // HWND
};

}  // namespace tx80
