#include "app/CNRV_VIruviDlg.h"

#include "app/AppContext.h"
#include "app/CAboutDlg.h"
#include "app/Captions.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {
constexpr int kRestoredPointerSpeed = 10;
constexpr int kAltReleases = 7;
}  // namespace

CNRV_VIruviDlg::CNRV_VIruviDlg(AppContext& context) : fw::Dialog(kTemplateId), context_(context) {}

bool CNRV_VIruviDlg::OnInitDialog() {
  Platform& os = context_.platform;
  DriverFlags& flags = context_.flags;
  ProfileModel& profile = context_.profile;
  AppPaths& paths = context_.paths;

  flags.ButtonPending = false;
  flags.MacroStop = false;

  const std::u16string about = os.windows.LoadResourceString(kAboutString);
  if (!about.empty()) Host().AppendToSystemMenu(kAboutCommand, about);
  Host().SetBigIcon();

  paths.configPath = paths.programDirectory / "config.ini";
  profile.SetCurConfig(ReadCurConfig(paths.configPath));
  profile.SetLanguageFlag(ReadLanguage(paths.configPath));
  LoadProfile(profile, paths.configPath, profile.CurConfig(), false);
  Host().SetCaption(MainCaption(profile.LanguageFlag()));
  paths.skinsDirectory = paths.programDirectory / "skins";
  return true;
}

bool CNRV_VIruviDlg::PreTranslateMessage(const fw::Message& message) {
  // The keyboard never ends the dialog: Esc and Enter would reach its default
  // OK and Cancel handling, and F10 would open the system menu.
  if (message.id == fw::msg::kKeyDown && (message.wParam == fw::vk::kEscape || message.wParam == fw::vk::kReturn))
    return true;
  return message.wParam == fw::vk::kF10;
}

void CNRV_VIruviDlg::OnClose() { RunClosingSequence(); }

void CNRV_VIruviDlg::RunClosingSequence() {
  Platform& os = context_.platform;
  // A function or macro may have left Alt down; release it more than once in
  // case it was pressed several times.
  for (int i = 0; i < kAltReleases; ++i) os.input.KeyEvent(fw::vk::kMenu, 0, kKeyEventKeyUp);
  os.tray.Remove(Host(), TrayIcon{u"NRV_VIruvi"});
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
      return true;
    default:
      return false;
  }
}

void CNRV_VIruviDlg::OnPowerBroadcast() {}

}  // namespace tx80
