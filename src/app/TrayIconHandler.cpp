#include "app/TrayIconHandler.h"

#include <utility>

#include "app/AppContext.h"
#include "profile/Captions.h"
#include "framework/Dialog.h"
#include "platform/WindowHost.h"
#include "framework/ProgramMessages.h"

namespace tx80 {

namespace {
// The tip given when the icon goes; the shell does not show it.
constexpr std::u16string_view kRemovalTip = u"NRV_VIruvi";

std::u16string_view WaitingForMouse(int32_t languageFlag) {
  return languageFlag ? u" - waiting for the mouse" : u" - 等待鼠标连接";
}
}  // namespace

TrayIconHandler::TrayIconHandler(fw::Dialog& mainWindow, AppContext& context, std::function<void()> exitDriver,
                                 std::function<std::optional<bool>(uint32_t id)> checkMark)
    : mainWindow_(mainWindow),
      context_(context),
      exitDriver_(std::move(exitDriver)),
      checkMark_(std::move(checkMark)) {}

void TrayIconHandler::OnInitDialog() { shellRestartMessage_ = context_.platform.tray.ShellRestartMessage(); }

TrayIcon TrayIconHandler::Icon() const {
  const int32_t language = context_.profile.LanguageFlag();
  std::u16string tip(MainCaption(language));
  if (!context_.driver.device.Connected()) tip += WaitingForMouse(language);
  return TrayIcon{tip};
}

void TrayIconHandler::AddIcon() {
  iconWanted_ = true;
  iconAdded_ = context_.platform.tray.Add(mainWindow_.Host(), Icon());
  if (!iconAdded_) ScheduleAddRetry();
}

// A waiting thread rather than a loop here: the shell may take minutes to come
// up at sign-in, and the window's messages must go on meanwhile.
void TrayIconHandler::ScheduleAddRetry() {
  if (std::exchange(retryPending_, true)) return;
  AppContext& context = context_;
  context_.platform.threads.Start(
      [&context] {
        context.platform.clock.Sleep(kAddRetryMs);
        context.mainWindow.Post(kRetryTrayAddMessage, 0, 0);
      },
      ThreadPriority::Normal);
}

void TrayIconHandler::OnMouseChanged() {
  if (iconAdded_ && mainWindow_.HasWindow()) context_.platform.tray.SetTip(mainWindow_.Host(), Icon());
}

void TrayIconHandler::HideToTray() {
  if (!mainWindow_.HasWindow()) return;
  // Out of sight first: while the shell is busy, adding the icon takes seconds.
  mainWindow_.Host().Show(ShowMode::Minimize);
  mainWindow_.Host().Show(ShowMode::Hide);
  AddIcon();
}

void TrayIconHandler::PutAwayAtStart() {
  if (mainWindow_.HasWindow()) AddIcon();
}

void TrayIconHandler::RemoveTrayIcon() {
  if (!mainWindow_.HasWindow()) return;
  context_.platform.tray.Remove(mainWindow_.Host(), TrayIcon{std::u16string(kRemovalTip)});
  iconAdded_ = false;
  iconWanted_ = false;
}

void TrayIconHandler::OnShowWindow(bool shown) {
  if (shown && iconAdded_) RemoveTrayIcon();
}

void TrayIconHandler::ShowWindow() {
  mainWindow_.Host().Show(ShowMode::Show);
  mainWindow_.Host().Show(ShowMode::Restore);
}

std::optional<intptr_t> TrayIconHandler::OnMessage(const fw::Message& message) {
  if (message.id == TrayIcon::kCallbackMessage) return OnNotification(message.wParam, message.lParam);
  if (message.id == kRetryTrayAddMessage) {
    retryPending_ = false;
    if (iconWanted_ && !iconAdded_ && !mainWindow_.Host().IsVisible()) AddIcon();
    return 0;
  }
  // A new shell shows no icons: a hidden window would have no way back. The
  // message is the whole desktop's, so the default processing follows.
  if (shellRestartMessage_ != 0 && message.id == shellRestartMessage_ && !mainWindow_.Host().IsVisible()) AddIcon();
  return std::nullopt;
}

std::optional<intptr_t> TrayIconHandler::OnNotification(uintptr_t iconId, intptr_t mouseMessage) {
  if (iconId != TrayIcon::kId) return 1;
  if (mouseMessage == fw::msg::kLButtonDblClk) {
    RemoveTrayIcon();
    ShowWindow();
  } else if (mouseMessage == fw::msg::kRButtonUp) {
    const fw::Point cursor = context_.platform.popupMenus.CursorPosition();
    // In the foreground, the menu closes when the user clicks elsewhere.
    mainWindow_.Host().SetForeground();
    // Asked afresh at each showing: the sign-in start list may have been
    // changed by someone else, and the menu may have been loaded again.
    context_.ui.menus.TrayMenu.SetCheckMarks([this](int32_t id) {
      return id < 0 ? std::nullopt : checkMark_(static_cast<uint32_t>(id));
    });
    context_.ui.menus.TrayMenu.TrackFirstSubMenu(kTrackLeftButton, cursor, mainWindow_.Host());
  }
  return 0;
}

bool TrayIconHandler::OnCommand(uint32_t id) {
  switch (id) {
    case kShowWindowEnglish:
    case kShowWindowChinese:
      ShowWindow();
      RemoveTrayIcon();
      return true;
    case kExitDriverEnglish:
    case kExitDriverChinese:
      exitDriver_();
      return true;
    default:
      return false;
  }
}

}  // namespace tx80
