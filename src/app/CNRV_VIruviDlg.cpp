#include "app/CNRV_VIruviDlg.h"

#include "app/AppContext.h"
#include "app/CAboutDlg.h"
#include "profile/Captions.h"
#include "app/GameProfilesDlg.h"
#include "app/commands/DriverCommands.h"
#include "device/ApplyProfile.h"
#include "functions/KeyStrokes.h"
#include "macro/MacroFile.h"
#include "profile/SettingsFile.h"
#include "ui/WarningDlg.h"
#include "ui/Fonts.h"
#include "ui/OnScreenNotice.h"
#include "ui/PagePainter.h"
#include "ui/PageTexts.h"
#include "ui/ProgramMenus.h"
#include "ui/SkinElements.h"
#include "ui/SkinLoader.h"

namespace tx80 {

namespace {
constexpr int kRestoredPointerSpeed = 10;
constexpr int kAltReleases = 7;
constexpr int kSettleBeforeApplyMs = 5;

}  // namespace

CNRV_VIruviDlg::CNRV_VIruviDlg(AppContext& context, bool startInTray)
    : fw::Dialog(kTemplateId),
      context_(context),
      startInTray_(startInTray),
      assignLists_(context.AssignLists()),
      macroPage_({.mainWindow = *this,
                  .store = context.macros,
                  .profile = context.profile,
                  .childControls = context.platform.childControls,
                  .dialogs = context.platform.dialogs,
                  .files = context.platform.files,
                  .clock = context.platform.clock,
                  .keyboardHook = context.platform.keyboardHook,
                  .popupMenus = context.platform.popupMenus,
                  .eventMenu = context.ui.menus.EventContextMenu,
                  .saves = context,
                  .settingsDirectory = context.paths.settingsDirectory,
                  .skinsDirectory = context.paths.skinsDirectory}),
      tray_(
          *this, context, [this] { RunClosingSequence(); }, [this](uint32_t id) { return options_.CheckMark(id); }),
      profileActions_({.mainWindow = *this,
                       .profile = context.profile,
                       .profileOperation = context.driver.profileOperation,
                       .files = context.platform.files,
                       .dialogs = context.platform.dialogs,
                       .shell = context.platform.shell,
                       .saves = context,
                       .programDirectory = context.paths.programDirectory,
                       .configPath = context.paths.configPath,
                       .apply = [&context] { ApplyProfile(context.applyTarget); },
                       .resetMacros = [this] { macroPage_.ResetToDefaultMacros(); },
                       .warn = [this](std::u16string_view message) { return Warn(message); }}),
      clicks_({.mainWindow = *this,
               .ui = context.ui,
               .profile = context.profile,
               .macroPage = macroPage_,
               .profileActions = profileActions_,
               .apply = context.applyTarget,
               .assignLists = assignLists_,
               .threads = context.platform.threads,
               .clock = context.platform.clock,
               .startBlinkThread = [&context] { context.StartBlinkThread(); },
               .hideToTray = [this] { HideToTray(); },
               .switchLanguage = [this](int32_t language) { SwitchLanguage(language); }}),
      options_(context, [this] { OpenGameProfiles(); }),
      gameProfiles_(
          context, [this] { return MaySwitchProfile(); }, [this](int32_t profile) { SwitchToGameProfile(profile); }),
      backupMenu_(context, *this, [this] { ReloadRestoredSettings(); }),
      mouse_(context, [this] { OnMouseChanged(); }) {}

bool CNRV_VIruviDlg::OnInitDialog() {
  Platform& os = context_.platform;
  DriverFlags& flags = context_.driver.flags;
  ProfileModel& profile = context_.profile;
  const AppPaths& paths = context_.paths;

  flags.ButtonPending = false;
  flags.MacroStop = false;

  context_.mainWindow.Set(&Host());
  // The threads hold the program's state, never the dialog, which ends before them.
  AppContext& context = context_;
  os.threads.Start([&context] { context.Reader().Run(); }, ThreadPriority::Highest);
  os.threads.Start([&context] { context.Executor().Run(); }, ThreadPriority::Highest);
  context.StartBlinkThread();

  const std::u16string about = os.windows.LoadResourceString(kAboutString);
  if (!about.empty()) Host().AppendToSystemMenu(kAboutCommand, about);
  Host().SetBigIcon();

  profile.SetCurConfig(ReadCurConfig(os.files, paths.configPath));
  profile.SetLanguageFlag(ReadLanguage(os.files, paths.configPath));
  LoadProfile(os.files, profile, paths.configPath, profile.CurConfig(), false);
  Host().SetCaption(MainCaption(profile.LanguageFlag()));

  MainWindowState& ui = context_.ui;
  const SkinLoadContext skins = SkinContext();
  LoadMainSkin(skins, ui.skin);
  LoadColorSkin(skins, ui.skin);
  LoadAdvancedSkin(skins, ui.skin);
  LoadWarningSkin(skins, ui.skin);
  // A missing skin file has already run the closing sequence: the window is
  // gone, and nothing after this needs doing.
  if (!HasWindow()) return true;
  ui.shape = ShapeMainWindow(os.images, paths.skinsDirectory, ui.skin, Host());
  // Dialog units come out at different pixel sizes from one system to the
  // next: the window takes the size of its skin.
  if (ui.shape.MaskWidth > 0) Host().Resize(ui.shape.MaskWidth, ui.shape.MaskHeight);

  macroPage_.LoadLanguageMacros();
  macroPage_.ResetSelectedLine();

  LoadPopupMenus(ui.menus, profile.LanguageFlag());
  tray_.OnInitDialog();

  if (mouse_.Start(Host())) {
    os.clock.Sleep(kSettleBeforeApplyMs);
    ApplyProfile(context_.applyTarget);
  } else if (!startInTray_) {
    os.dialogs.MessageBox(&Host(), PlugInMessage(profile.LanguageFlag()), u"");
    // Started by hand without a mouse the program ends here: nothing is
    // applied, so no system setting changes after the closing sequence and
    // [Config6] keeps the profile the mouse last really received.
    RunClosingSequence();
    return true;
  }
  // At sign-in the mouse is often listed after the program starts: the driver
  // waits for it in the notification area and applies when it arrives.

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
  return options_.OnCommand(id) || backupMenu_.OnCommand(id) || macroPage_.OnCommand(id, notifyCode) ||
         tray_.OnCommand(id);
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
  if (message.id == kElevatedTargetMessage) {
    // Shown whatever the display option: it explains why a function did nothing.
    std::u16string program;
    {
      std::lock_guard lock(context_.elevatedNoticeLock);
      program = context_.elevatedNoticeProgram;
    }
    ShowElevatedTargetNotice(context_.platform.onScreenDisplay, program, context_.profile.LanguageFlag());
    return 0;
  }
  if (message.id == kForegroundReportMessage) {
    gameProfiles_.OnForegroundReport();
    return 0;
  }
  return tray_.OnMessage(message);
}

std::optional<std::u16string> CNRV_VIruviDlg::OnRequest(std::u16string_view request) {
  return AnswerRequest(context_, request, [this] { ReloadRestoredSettings(); });
}

void CNRV_VIruviDlg::ReloadRestoredSettings() {
  const int32_t language = ReadLanguage(context_.platform.files, context_.paths.configPath);
  if (language != context_.profile.LanguageFlag())
    SwitchLanguage(language);  // its macro file comes with it
  else
    macroPage_.LoadLanguageMacros();
  options_.Load();
  gameProfiles_.ReloadRules();
}

// Every item carries its own record, so the tray menu draws the event menu's too.
bool CNRV_VIruviDlg::OnMeasureMenuItem(uintptr_t itemData, fw::Size& size) {
  return context_.ui.menus.TrayMenu.MeasureItem(itemData, size);
}

bool CNRV_VIruviDlg::OnDrawMenuItem(const fw::MenuItemDraw& item, fw::Canvas& canvas) {
  return context_.ui.menus.TrayMenu.DrawItem(item, canvas);
}

bool CNRV_VIruviDlg::MaySwitchProfile() {
  if (!HasWindow() || macroPage_.Recording()) return false;
  return !Host().IsVisible() || Host().IsMinimized();
}

// Like the next-profile button: selected and sent as one profile operation.
void CNRV_VIruviDlg::SwitchToGameProfile(int32_t profile) {
  SelectAndApplyProfile(context_.applyTarget, profile);
  Host().Invalidate(true);
}

void CNRV_VIruviDlg::OpenGameProfiles() {
  if (gameProfilesOpen_) return;  // the tray menu can be opened again meanwhile
  gameProfilesOpen_ = true;
  GameProfilesDlg dialog(context_, [this] { gameProfiles_.ReloadRules(); });
  context_.platform.windows.RunModal(dialog);
  gameProfilesOpen_ = false;
}

void CNRV_VIruviDlg::OnMouseMove(int x, int y) {
  MainWindowState& ui = context_.ui;
  TrackHover(ui.hover, ui.skin, ui.CurrentPage, fw::Point{x, y},
             [this, &ui] { RequestHoverRepaint(Host(), ui.CurrentPage, ui.shape.MainRegionRectangles); });
}

void CNRV_VIruviDlg::OnLButtonDown(int x, int y) { clicks_.MainClickPress(x, y); }

void CNRV_VIruviDlg::OnLButtonUp(int x, int y) { clicks_.MainClickRelease(x, y); }

// The window goes out of sight; the program keeps working as the mouse's driver.
void CNRV_VIruviDlg::HideToTray() {
  tray_.HideToTray();
  gameProfiles_.Reconsider();  // a game's profile waited for this
}

void CNRV_VIruviDlg::SwitchLanguage(int32_t language) {
  tx80::SwitchLanguage(context_.profile, context_.platform.files, context_.paths.configPath, context_,
                       {.reloadSkin = [this] { return ReloadSkin(); },
                        .reloadMacros = [this] { macroPage_.LoadLanguageMacros(); },
                        .reloadMenusAndCaption = [this] { ReloadMenusAndCaption(); }},
                       language);
}

bool CNRV_VIruviDlg::ReloadSkin() {
  LoadSkins(SkinContext(), context_.ui.skin);
  // A missing layout file has run the closing sequence: the program is ending.
  if (!HasWindow()) return false;
  // The pictures are the same for both languages, but a skin reload reads its
  // files again, so a page always shows what its files hold now.
  context_.ui.pictures.Clear();
  return true;
}

void CNRV_VIruviDlg::ReloadMenusAndCaption() {
  const int32_t language = context_.profile.LanguageFlag();
  LoadPopupMenus(context_.ui.menus, language);
  Host().SetCaption(MainCaption(language));
}

bool CNRV_VIruviDlg::Warn(std::u16string_view message) {
  MainWindowState& ui = context_.ui;
  const SkinItem& element = ui.skin.MainItems[static_cast<std::size_t>(main_element::kImport)];
  const fw::Rect window = Host().ScreenRect();
  ui.assignList.PopupOrigin = {window.left + element.x, window.top + element.y + element.height};
  WarningDlg warning(assignLists_, std::u16string(message));
  return context_.platform.windows.RunModal(warning) != WarningDlg::kGiveUp;
}

bool CNRV_VIruviDlg::OnPaint(fw::Canvas& canvas) {
  MainWindowState& ui = context_.ui;
  // After a sub-list's assignment this paint closes the assignment list.
  CloseMenuIfSubMenuDone(ui.assignList);
  const PageSources sources{ui.CurrentPage,         context_.paths.skinsDirectory,
                            ui.skin,                ui.hover,
                            context_.driver.flags,  context_.profile,
                            context_.macros,        macroPage_.Recording(),
                            macroPage_.Counters(),  context_.driver.device.Connected()};
  PaintPage(canvas, ui.pictures, sources, Host().IsMinimized());
  return true;
}

// The macro page's edits and lists: white on black, in the interface's font.
std::optional<fw::ControlColors> CNRV_VIruviDlg::OnCtlColor() {
  return fw::ControlColors{MainFont(context_.profile.LanguageFlag()), {255, 255, 255}, {0, 0, 0}};
}

SkinLoadContext CNRV_VIruviDlg::SkinContext() {
  // Both skin messages name the program, like the macro file's.
  return {context_.paths.skinsDirectory, context_.profile.LanguageFlag(), context_.platform.dialogs,
          context_.platform.files, &Host(), std::u16string(kMessageCaption), [this] { RunClosingSequence(); }};
}

void CNRV_VIruviDlg::RunClosingSequence() {
  if (!HasWindow()) return;  // closed already (several skin files may be missing)
  tray_.RemoveTrayIcon();
  ReleaseSystemAndMouse();
  Host().Destroy();
}

void CNRV_VIruviDlg::ReleaseSystemAndMouse() {
  Platform& os = context_.platform;
  // A function or macro may have left Alt down; release it more than once in
  // case it was pressed several times.
  for (int i = 0; i < kAltReleases; ++i) SendKey(fw::vk::kMenu, false, os.input);
  context_.driver.commands.SendIfOpen(CloseCommand());
  if (os.systemMouse.PointerSpeed()) os.systemMouse.SetPointerSpeed(kRestoredPointerSpeed);
}

bool CNRV_VIruviDlg::OnSysCommand(uint32_t command) {
  switch (command & 0xFFF0) {
    case kAboutCommand: {
      CAboutDlg about(context_.platform.childControls, context_.paths.settingsDirectory);
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

// After a resume the mouse may have lost its settings: send them again. A
// mouse that went away during the sleep gets them when it arrives.
void CNRV_VIruviDlg::OnPowerBroadcast(uintptr_t event) {
  if (!resumes_.IsNewResume(event) || !context_.driver.device.Connected()) return;
  context_.platform.clock.Sleep(kSettleAfterResumeMs);
  ApplyProfile(context_.applyTarget);
}

// The closing sequence never runs at a sign-out: the session ends the process
// soon after this returns.
void CNRV_VIruviDlg::OnEndSession(bool ending) {
  if (!ending) return;
  StopPlayback(kEndSessionStopWaitMs);
  ReleaseSystemAndMouse();
}

void CNRV_VIruviDlg::StopPlayback(int ms) {
  DriverFlags& flags = context_.driver.flags;
  if (!flags.ButtonPending) return;
  // The reader is the stop's only writer while presses come; none come now.
  flags.MacroStop = true;
  constexpr int kLookMs = 10;
  for (int waited = 0; flags.ButtonPending && waited < ms; waited += kLookMs) context_.platform.clock.Sleep(kLookMs);
}

bool CNRV_VIruviDlg::OnDeviceChange(uintptr_t event, const fw::DeviceBroadcast* broadcast) {
  mouse_.OnDeviceChange(event, broadcast);
  return true;
}

void CNRV_VIruviDlg::OnMouseChanged() {
  tray_.OnMouseChanged();
  if (HasWindow()) Host().Invalidate(true);
}

}  // namespace tx80
