#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/WindowSystem.h"

namespace tx80 {

// Runs the program's dialogs: each is created modeless from its template and
// driven by the program's own message loop, so that the dialog's
// PreTranslateMessage sees every message before the dialog manager does.
class Win32WindowSystem final : public WindowSystem {
 public:
  int RunModal(fw::Dialog& dialog) override;
  WindowHost* CreateModeless(fw::Dialog& dialog, WindowHost* owner) override;
  WindowHost* FindByCaption(std::u16string_view caption) override;
  void InitializeControls() override;
  std::u16string LoadResourceString(int id) override;

  // Every dialog window of the program while it exists (UI thread only).
  void Register(HWND window, WindowHost* host);
  void Unregister(HWND window);

 private:
  // Windows of the dialogs now running modally, innermost last: the owner of a new one.
  std::vector<void*> running_;  // HWND
  std::vector<std::pair<HWND, WindowHost*>> windows_;
};

}  // namespace tx80
