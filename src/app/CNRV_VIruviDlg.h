#pragma once
#include "app/GameProfileSwitching.h"
#include "app/MouseConnection.h"
#include "app/ResumeNotices.h"
#include "app/TrayIconHandler.h"
#include "app/TrayOptions.h"
#include "app/commands/BackupMenuCommands.h"
#include "framework/Dialog.h"
#include "macro/MacroPage.h"
#include "profile/LanguageSwitch.h"
#include "profile/ProfileActions.h"
#include "ui/AssignList.h"
#include "ui/ClickDispatch.h"
#include "ui/SkinLoader.h"

namespace tx80 {

struct AppContext;

// The main window: its start sequence, closing sequence and system events.
class CNRV_VIruviDlg : public fw::Dialog {
 public:
  static constexpr int kTemplateId = 102;
  static constexpr uint32_t kAboutCommand = 16;
  static constexpr int kAboutString = 101;

  // `startInTray`: the program was started into the notification area; the
  // whole start sequence runs, but the window is not shown.
  explicit CNRV_VIruviDlg(AppContext& context, bool startInTray = false);

  bool OnInitDialog() override;
  bool StartsHidden() const override { return startInTray_; }
  bool PreTranslateMessage(const fw::Message& message) override;
  void OnClose() override;
  void OnDestroyed() override;
  bool OnSysCommand(uint32_t command) override;
  void OnPowerBroadcast(uintptr_t event) override;
  void OnEndSession(bool ending) override;
  void OnShowWindow(bool shown) override;
  bool OnDeviceChange(uintptr_t event, const fw::DeviceBroadcast* broadcast) override;
  void OnMouseMove(int x, int y) override;
  void OnLButtonDown(int x, int y) override;
  void OnLButtonUp(int x, int y) override;
  bool OnCommand(uint32_t id, uint32_t notifyCode) override;
  std::optional<intptr_t> OnOtherMessage(const fw::Message& message) override;
  // A command from a copy started on the command line (app/commands).
  std::optional<std::u16string> OnRequest(std::u16string_view request) override;
  // The items of both popup menus, whichever is shown.
  bool OnMeasureMenuItem(uintptr_t itemData, fw::Size& size) override;
  bool OnDrawMenuItem(const fw::MenuItemDraw& item, fw::Canvas& canvas) override;
  bool OnPaint(fw::Canvas& canvas) override;
  // The page picture covers the whole window: nothing is erased first.
  bool OnEraseBackground() override { return true; }
  std::optional<fw::ControlColors> OnCtlColor() override;

  // The macro page: its controls, recording and editing.
  MacroPage& Macros() { return macroPage_; }
  ProfileActions& Profiles() { return profileActions_; }
  // The tray menu's own options, and the per-game profiles.
  TrayOptions& Options() { return options_; }
  GameProfileSwitching& GameProfiles() { return gameProfiles_; }

  // Puts the window away into the notification area; the driver keeps running.
  void HideToTray();
  // The interface in language 0 (Chinese) or 1 (English), at once.
  void SwitchLanguage(int32_t language);

  // Releases what the program may hold, resets the pointer speed and destroys
  // the window, which ends the program.
  void RunClosingSequence();

  // A resume lets the mouse settle this long before it is sent its settings.
  static constexpr int kSettleAfterResumeMs = 500;
  // How long a sign-out waits for a playing macro to let go of its keys;
  // Windows ends a program that takes more than a few seconds.
  static constexpr int kEndSessionStopWaitMs = 1000;

 private:
  SkinLoadContext SkinContext();
  // The steps of a language switch beyond the profile model.
  bool ReloadSkin();
  void ReloadMenusAndCaption();
  // The warning dialog with another message, below the element under the
  // pointer; true when the user goes on.
  bool Warn(std::u16string_view message);
  // The user may be editing while the window is shown; a recording must not
  // see its profile change.
  bool MaySwitchProfile();
  void SwitchToGameProfile(int32_t profile);
  void OpenGameProfiles();
  // After a restore: the settings files read again, as the start read them.
  void ReloadRestoredSettings();
  // The closing sequence's work that needs no window: what the driver holds
  // of the system and the mouse goes back.
  void ReleaseSystemAndMouse();
  // Asks a playing macro to stop and waits, up to `ms`, for it to let go.
  void StopPlayback(int ms);
  void OnMouseChanged();

  AppContext& context_;
  const bool startInTray_;
  const AssignListParts assignLists_;
  MacroPage macroPage_;
  TrayIconHandler tray_;
  ProfileActions profileActions_;
  ClickDispatch clicks_;
  TrayOptions options_;
  GameProfileSwitching gameProfiles_;
  BackupMenuCommands backupMenu_;
  MouseConnection mouse_;
  ResumeNotices resumes_;
  bool gameProfilesOpen_ = false;
};

}  // namespace tx80
