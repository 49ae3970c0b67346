#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "framework/Message.h"
#include "platform/Tray.h"

namespace fw {
class Dialog;
}

namespace tx80 {

struct AppContext;

// The main window's life in the notification area. Hidden, the window leaves
// an icon there (the driver keeps running); a double-click on the icon or
// "Show Window" of its menu brings the window back and removes the icon, and
// "Exit Driver" ends the program. The icon exists only while the window is
// hidden: a window shown by any other means (a second copy of the program
// restores it) takes the icon away too. UI thread only.
class TrayIconHandler {
 public:
  // A shell that is starting or busy refuses the icon: it is asked again
  // this long after each refusal, for as long as the window stays hidden.
  static constexpr int kAddRetryMs = 2000;

  // The tray menu's commands, English and Chinese.
  static constexpr uint32_t kShowWindowEnglish = 32801;
  static constexpr uint32_t kShowWindowChinese = 32837;
  static constexpr uint32_t kExitDriverEnglish = 32800;
  static constexpr uint32_t kExitDriverChinese = 32838;

  // `exitDriver` runs the main window's closing sequence; `checkMark` tells
  // whether an item of the tray menu, by command id, shows a check mark
  // (nothing for an item that never does).
  TrayIconHandler(fw::Dialog& mainWindow, AppContext& context, std::function<void()> exitDriver,
                  std::function<std::optional<bool>(uint32_t id)> checkMark);

  // Start-up: learns which message tells of a restarted shell.
  void OnInitDialog();
  // Minimises and hides the window, then adds the icon, tipped with the
  // window's caption.
  void HideToTray();
  // Start-up into the notification area: adds the icon and leaves the window
  // as it is, never shown. Not minimised either: a minimised window would
  // show a taskbar button.
  void PutAwayAtStart();
  void RemoveTrayIcon();
  // The mouse went or came back: the tip says whether the driver waits for it.
  void OnMouseChanged();
  // The window is about to be shown (true) or hidden.
  void OnShowWindow(bool shown);
  // The icon's notifications and the shell's restart; nullopt for other messages.
  std::optional<intptr_t> OnMessage(const fw::Message& message);
  // The tray menu's commands; false for others.
  bool OnCommand(uint32_t id);

 private:
  std::optional<intptr_t> OnNotification(uintptr_t iconId, intptr_t mouseMessage);
  void AddIcon();
  void ScheduleAddRetry();
  TrayIcon Icon() const;
  void ShowWindow();

  fw::Dialog& mainWindow_;
  AppContext& context_;
  std::function<void()> exitDriver_;
  std::function<std::optional<bool>(uint32_t id)> checkMark_;
  uint32_t shellRestartMessage_ = 0;
  bool iconAdded_ = false;   // since the last removal
  bool iconWanted_ = false;  // the window is put away, whether or not the shell took the icon
  bool retryPending_ = false;
};

}  // namespace tx80
