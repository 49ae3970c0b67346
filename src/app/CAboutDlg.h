#pragma once
#include "framework/Dialog.h"
#include "platform/WindowHost.h"

namespace tx80 {

// The about box (dialog template 100): the program's name and an OK button.
class CAboutDlg : public fw::Dialog {
 public:
  CAboutDlg() : fw::Dialog(100) {}

  // OK and Cancel (Esc) close it.
  bool OnCommand(uint32_t id, uint32_t) override {
    if (id != kOk && id != kCancel) return false;
    Host().Destroy();
    return true;
  }

 private:
  static constexpr uint32_t kOk = 1;
  static constexpr uint32_t kCancel = 2;
};

}  // namespace tx80
