#include "app/CNRV_VIruviDlg.h"

#include "app/AppContext.h"
#include "app/CAboutDlg.h"
#include "app/Captions.h"
#include "app/GameProfilesDlg.h"
#include "device/ApplyProfile.h"
#include "device/ButtonReportReader.h"
#include "functions/BlinkThread.h"
#include "functions/FunctionExecutor.h"
#include "macro/MacroFile.h"
#include "profile/LanguageSwitch.h"
#include "profile/SettingsFile.h"
#include "ui/AssignMenu.h"
#include "ui/Fonts.h"
#include "ui/OnScreenNotice.h"
#include "ui/PagePainter.h"
#include "ui/ProgramMenus.h"
#include "ui/SkinLoader.h"

namespace tx80 {

namespace {
constexpr int kRestoredPointerSpeed = 10;
constexpr int kAltReleases = 7;
constexpr int kSettleBeforeApplyMs = 5;

std::u16string PlugInMessage(int languageFlag) {
  constexpr std::u16string_view kModel = u"TX80_KARVO";
  if (languageFlag) return u"Please plug-in【" + std::u16string(kModel) + u"】USB Mouse";
  return u"请插入【" + std::u16string(kModel) + u"】USB鼠标";
}
}  // namespace

CNRV_VIruviDlg::CNRV_VIruviDlg(AppContext& context, bool startInTray)
    : fw::Dialog(kTemplateId),
      context_(context),
      startInTray_(startInTray),
      macroPage_(*this, context, context.macros),
      tray_(
          *this, context, [this] { RunClosingSequence(); }, [this](uint32_t id) { return options_.CheckMark(id); }),
      clicks_(*this, context, macroPage_),
      profileActions_(
          *this, context, macroPage_, [this] { HideToTray(); },
          [this](int32_t language) { SwitchLanguage(context_, {*this, macroPage_, [this] { return SkinContext(); }}, language); }),
      options_(context, [this] { OpenGameProfiles(); }),
      gameProfiles_(
          context, [this] { return MaySwitchProfile(); }, [this](int32_t profile) { SwitchToGameProfile(profile); }) {}

bool CNRV_VIruviDlg::OnInitDialog() {
  Platform& os = context_.platform;
  DriverFlags& flags = context_.flags;
  ProfileModel& profile = context_.profile;
  AppPaths& paths = context_.paths;

  flags.ButtonPending = false;
  flags.MacroStop = false;

  context_.mainWindow.Set(&Host());
  // The threads hold the program's state, never the dialog, which ends before them.
  AppContext& context = context_;
  os.threads.Start([&context] { ButtonReportReader(context).Run(); }, ThreadPriority::Highest);
  os.threads.Start([&context] { FunctionExecutor(context).Run(); }, ThreadPriority::Highest);
  flags.BlinkThreadRunning = true;
  os.threads.Start([&context] { RunBlinkThread(context); }, ThreadPriority::Normal);

  const std::u16string about = os.windows.LoadResourceString(kAboutString);
  if (!about.empty()) Host().AppendToSystemMenu(kAboutCommand, about);
  Host().SetBigIcon();

  paths.configPath = paths.programDirectory / "config.ini";
  profile.SetCurConfig(ReadCurConfig(os.files, paths.configPath));
  profile.SetLanguageFlag(ReadLanguage(os.files, paths.configPath));
  LoadProfile(os.files, profile, paths.configPath, profile.CurConfig(), false);
  Host().SetCaption(MainCaption(profile.LanguageFlag()));
  paths.skinsDirectory = paths.programDirectory / "skins";

  const SkinLoadContext skins = SkinContext();
  LoadMainSkin(skins, context_.skin);
  LoadColorSkin(skins, context_.skin);
  LoadAdvancedSkin(skins, context_.skin);
  LoadWarningSkin(skins, context_.skin);
  // A missing skin file has already run the closing sequence: the window is
  // gone, and nothing after this needs doing.
  if (!HasWindow()) return true;
  context_.shape = ShapeMainWindow(os.images, paths.skinsDirectory, context_.skin, Host());
  // Dialog units come out at different pixel sizes from one system to the
  // next: the window takes the size of its skin.
  if (context_.shape.MaskWidth > 0) Host().Resize(context_.shape.MaskWidth, context_.shape.MaskHeight);

  paths.macroFilePath = MacroFilePath(paths.programDirectory, profile.LanguageFlag());
  LoadMacroFile(os.files, context_.macros, paths.macroFilePath, os.dialogs, &Host());
  macroPage_.ResetSelectedLine();

  LoadPopupMenus(context_.menus, profile.LanguageFlag());
  tray_.OnInitDialog();

  if (!context_.device.Discover(os.hid, Host())) {
    os.dialogs.MessageBox(&Host(), PlugInMessage(profile.LanguageFlag()), u"");
    // Without a mouse the program ends here: nothing is applied, so no system
    // setting changes after the closing sequence and [Config6] keeps the
    // profile the mouse last really received.
    RunClosingSequence();
    return true;
  }
  os.clock.Sleep(kSettleBeforeApplyMs);
  ApplyProfile(context_);

  options_.Load();
  // Started at sign-in: the driver runs, the window waits in the notification
  // area (it was never shown).
  if (startInTray_) tray_.PutAwayAtStart();
  gameProfiles_.Start(Host());
  return true;
}

bool CNRV_VIruviDlg::PreTranslateMessage(const fw::Message& message) {
  // Recording and the event list's menu see every message and swallow none.
  macroPage_.OnPreTranslateMessage(message);
  // The keyboard never ends the dialog: Esc and Enter would reach its default
  // OK and Cancel handling, and F10 would open the system menu.
  if (message.id == fw::msg::kKeyDown && (message.wParam == fw::vk::kEscape || message.wParam == fw::vk::kReturn))
    return true;
  return message.wParam == fw::vk::kF10;
}

void CNRV_VIruviDlg::OnClose() { RunClosingSequence(); }

void CNRV_VIruviDlg::OnShowWindow(bool shown) { tray_.OnShowWindow(shown); }

void CNRV_VIruviDlg::OnDestroyed() { context_.mainWindow.Clear(); }

bool CNRV_VIruviDlg::OnCommand(uint32_t id, uint32_t notifyCode) {
  return options_.OnCommand(id) || macroPage_.OnCommand(id, notifyCode) || tray_.OnCommand(id);
}

std::optional<intptr_t> CNRV_VIruviDlg::OnOtherMessage(const fw::Message& message) {
  if (message.id == kEditorClosedMessage) {
    macroPage_.OnCommitDelay();
    return 0;
  }
  if (message.id == kSaveFailedMessage) {
    ShowSaveFailures(context_.saveFailures, context_.platform.dialogs, &Host(), context_.profile.LanguageFlag());
    return 0;
  }
  if (const auto notice = DecodeOnScreenNotice(message)) {
    if (options_.OnScreenDisplay())
      ShowOnScreenNotice(context_.platform.onScreenDisplay, *notice, context_.profile.LanguageFlag());
    return 0;
  }
  if (message.id == kForegroundReportMessage) {
    gameProfiles_.OnForegroundReport();
    return 0;
  }
  return tray_.OnMessage(message);
}

// Every item carries its own record, so the tray menu draws the event menu's too.
bool CNRV_VIruviDlg::OnMeasureMenuItem(uintptr_t itemData, fw::Size& size) {
  return context_.menus.TrayMenu.MeasureItem(itemData, size);
}

bool CNRV_VIruviDlg::OnDrawMenuItem(const fw::MenuItemDraw& item, fw::Canvas& canvas) {
  return context_.menus.TrayMenu.DrawItem(item, canvas);
}

bool CNRV_VIruviDlg::MaySwitchProfile() {
  if (!HasWindow() || macroPage_.Recording()) return false;
  return !Host().IsVisible() || Host().IsMinimized();
}

// Like the next-profile button: selected and sent as one profile operation,
// the system mouse settings after it.
void CNRV_VIruviDlg::SwitchToGameProfile(int32_t profile) {
  {
    std::lock_guard operation(context_.profileOperation);
    profileActions_.SelectProfile(profile);
    RecordAndSendProfile(context_);
  }
  SetSystemMouse(context_);
}

void CNRV_VIruviDlg::OpenGameProfiles() {
  if (gameProfilesOpen_) return;  // the tray menu can be opened again meanwhile
  gameProfilesOpen_ = true;
  GameProfilesDlg dialog(context_, [this] { gameProfiles_.ReloadRules(); });
  context_.platform.windows.RunModal(dialog);
  gameProfilesOpen_ = false;
}

void CNRV_VIruviDlg::OnMouseMove(int x, int y) {
  TrackHover(context_.hover, context_.skin, context_.flags.CurrentPage, fw::Point{x, y}, [this] {
    RequestHoverRepaint(Host(), context_.flags.CurrentPage, context_.shape.MainRegionRectangles);
  });
}

void CNRV_VIruviDlg::OnLButtonDown(int x, int y) { clicks_.MainClickPress(x, y); }

void CNRV_VIruviDlg::OnLButtonUp(int x, int y) { profileActions_.MainClickRelease(x, y); }

// The window goes out of sight; the program keeps working as the mouse's driver.
void CNRV_VIruviDlg::HideToTray() {
  tray_.HideToTray();
  gameProfiles_.Reconsider();  // a game's profile waited for this
}

bool CNRV_VIruviDlg::OnPaint(fw::Canvas& canvas) {
  // After a sub-list's assignment this paint closes the assignment list.
  CloseMenuIfSubMenuDone(context_.assignMenu);
  const PageSources sources{context_.paths.skinsDirectory, context_.skin,   context_.hover,
                            context_.flags,                context_.profile, context_.macros,
                            macroPage_.Recording(),        macroPage_.Counters()};
  PaintPage(canvas, context_.pictures, sources, Host().IsMinimized());
  return true;
}

// The macro page's edits and lists: white on black, in the interface's font.
std::optional<fw::ControlColors> CNRV_VIruviDlg::OnCtlColor() {
  return fw::ControlColors{MainFont(context_.profile.LanguageFlag()), {255, 255, 255}, {0, 0, 0}};
}

SkinLoadContext CNRV_VIruviDlg::SkinContext() {
  // Both skin messages name the program, like the macro file's.
  return {context_.paths.skinsDirectory, context_.profile.LanguageFlag(), context_.platform.dialogs,
          context_.platform.files, &Host(), std::u16string(kMacroFileMessageCaption), [this] { RunClosingSequence(); }};
}

void CNRV_VIruviDlg::RunClosingSequence() {
  if (!HasWindow()) return;  // closed already (several skin files may be missing)
  Platform& os = context_.platform;
  // A function or macro may have left Alt down; release it more than once in
  // case it was pressed several times.
  for (int i = 0; i < kAltReleases; ++i) os.input.KeyEvent(fw::vk::kMenu, 0, kKeyEventKeyUp);
  tray_.RemoveTrayIcon();
  context_.commands.SendIfOpen(CloseCommand());
  if (os.systemMouse.PointerSpeed()) os.systemMouse.SetPointerSpeed(kRestoredPointerSpeed);
  Host().Destroy();
}

bool CNRV_VIruviDlg::OnSysCommand(uint32_t command) {
  switch (command & 0xFFF0) {
    case kAboutCommand: {
      CAboutDlg about;
      context_.platform.windows.RunModal(about);
      return true;
    }
    case fw::kScMinimize:
      Host().Show(ShowMode::Minimize);
      gameProfiles_.Reconsider();  // a game's profile waited for this
      return true;
    default:
      return false;
  }
}

// After a resume the mouse may have lost its settings: send them again.
void CNRV_VIruviDlg::OnPowerBroadcast() { ApplyProfile(context_); }

bool CNRV_VIruviDlg::OnDeviceChange(uintptr_t event, const fw::DeviceBroadcast* broadcast) {
  if (!broadcast || broadcast->deviceType != fw::DeviceBroadcast::kDeviceInterface ||
      !context_.device.Matches(broadcast->name))
    return true;
  if (event == fw::kDeviceArrival && !context_.device.Connected()) {
    // The profile is not sent again on arrival.
    context_.device.SetConnected(context_.device.Discover(context_.platform.hid, Host()));
  } else if (event == fw::kDeviceRemoveComplete) {
    // Unplugging ends the program without the closing sequence.
    context_.device.SetConnected(false);
    tray_.RemoveTrayIcon();
    Host().Destroy();
  }
  return true;
}

}  // namespace tx80
