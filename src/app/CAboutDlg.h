#pragma once
#include <filesystem>

#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "platform/ChildControls.h"
#include "platform/WindowHost.h"

namespace tx80 {

// The about box (dialog template 100): the program's name, the folder that
// holds the settings (beside the program, or the user's application data when
// that cannot be written) and an OK button.
class CAboutDlg : public fw::Dialog {
 public:
  static constexpr int kSettingsFolderId = 1000;

  CAboutDlg(ChildControls& controls, std::filesystem::path settingsFolder)
      : fw::Dialog(100), controls_(controls), settingsFolder_(std::move(settingsFolder)) {}

  bool OnInitDialog() override {
    // A read-only edit: a long path scrolls, and the user can copy it.
    if (controls_.AttachEdit(*this, folder_, kSettingsFolderId)) folder_.SetText(settingsFolder_.u16string());
    return true;
  }

  // OK and Cancel (Esc) close it.
  bool OnCommand(uint32_t id, uint32_t) override {
    if (id != kOk && id != kCancel) return false;
    Host().Destroy();
    return true;
  }

  const fw::Edit& SettingsFolderText() const { return folder_; }

 private:
  static constexpr uint32_t kOk = 1;
  static constexpr uint32_t kCancel = 2;

  ChildControls& controls_;
  const std::filesystem::path settingsFolder_;
  fw::Edit folder_;
};

}  // namespace tx80
