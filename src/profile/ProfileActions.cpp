#include "profile/ProfileActions.h"

#include <filesystem>
#include <mutex>
#include <string_view>
#include <system_error>
#include <utility>

#include "app/AppContext.h"
#include "app/Captions.h"
#include "device/ApplyProfile.h"
#include "framework/Dialog.h"
#include "framework/Message.h"
#include "macro/MacroFile.h"
#include "macro/MacroPage.h"
#include "platform/WindowHost.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {

// MainItems shared by every page.
constexpr int32_t kClose = 2;
constexpr int32_t kApply = 3;
constexpr int32_t kFirstProfile = 4;  // profiles 1..5
constexpr int32_t kProfiles = 5;
constexpr int32_t kMinimise = 12;
constexpr int32_t kTray = 13;
constexpr int32_t kImport = 14;
constexpr int32_t kExport = 15;
constexpr int32_t kReset = 16;
constexpr int32_t kChinese = 17;
constexpr int32_t kEnglish = 18;
constexpr int32_t kUserGuide = 19;

constexpr int32_t kFactoryProfile = 1;  // takes the model's factory settings; 2..5 have sections
constexpr int32_t kLastProfile = 5;
constexpr uint8_t kAdvancedPage = 1;

constexpr std::u16string_view kProfileFileFilter = u"All Files(*.ini)|*.ini||";
constexpr std::u16string_view kProfileFileExtension = u"ini";

std::u16string_view NoProfileMessage(int32_t languageFlag) {
  if (languageFlag) return u"This file holds no TX80 profile. Nothing was imported.";
  return u"该文件中没有 TX80 配置，未导入任何内容。";
}

std::u16string_view ResetQuestion(int32_t languageFlag) {
  if (languageFlag)
    return u"Reset all five profiles and the macros to the factory settings? Your own profiles and macros "
           u"will be replaced.";
  return u"确定要将全部五个配置和宏恢复为出厂设置吗？您自己的配置和宏将被覆盖。";
}

}  // namespace

ProfileActions::ProfileActions(fw::Dialog& mainWindow, AppContext& context, MacroPage& macroPage,
                               std::function<void()> hideToTray, std::function<void(int32_t)> switchLanguage)
    : mainWindow_(mainWindow),
      context_(context),
      macroPage_(macroPage),
      hideToTray_(std::move(hideToTray)),
      switchLanguage_(std::move(switchLanguage)) {}

void ProfileActions::MainClickRelease(int x, int y) {
  HoverState& hover = context_.hover;
  hover.ButtonHeld = false;
  Repaint();
  const int32_t code = hover.MainHover;
  switch (code) {
    case kClose:
      return RevertToActive();
    case kApply:
      return ApplyProfile(context_);
    case kMinimise:
      // Not drawn hovered when the window comes back.
      hover.MainHover = kNoElement;
      return mainWindow_.Host().Post(fw::msg::kSysCommand, fw::kScMinimize, fw::PackPoint(x, y));
    case kTray:
      hover.MainHover = kNoElement;
      return hideToTray_();
    case kImport:
      return ImportProfile();
    case kExport:
      return ExportProfile();
    case kReset:
      return ResetProfiles();
    case kChinese:
      return switchLanguage_(0);
    case kEnglish:
      return switchLanguage_(1);
    case kUserGuide:
      return OpenUserGuide();
    default:
      if (code >= kFirstProfile && code < kFirstProfile + kProfiles) SelectProfile(code - kFirstProfile + 1);
      break;
  }
}

void ProfileActions::SelectProfile(int32_t profile) {
  {
    std::lock_guard operation(context_.profileOperation);
    context_.profile.SetCurConfig(profile);
    LoadProfile(context_.platform.files, context_.profile, context_.paths.configPath, profile, false);
  }
  Repaint();
}

void ProfileActions::RevertToActive() {
  context_.hover.MainHover = kNoElement;
  {
    std::lock_guard operation(context_.profileOperation);
    ProfileModel& profile = context_.profile;
    FileStore& files = context_.platform.files;
    const std::filesystem::path& config = context_.paths.configPath;
    context_.ReportSave(config, SaveDpiLevel(files, profile.Fields().DPI_LEVEL, config, kAppliedProfile));
    LoadProfile(files, profile, config, kAppliedProfile, false);
  }
  hideToTray_();
  Repaint();
}

void ProfileActions::ImportProfile() {
  Platform& os = context_.platform;
  const FileDialogOptions options{kProfileFileFilter, context_.paths.programDirectory, {}};
  const auto path = os.dialogs.OpenFile(Window(), options);
  if (!path) return;
  ProfileModel& profile = context_.profile;
  // Loading a file without [Config7] would leave no left click and no DPI
  // level on the mouse at the next apply.
  if (!HoldsProfile(os.files, profile, *path, kExchangeProfile, false)) {
    os.dialogs.MessageBox(Window(), NoProfileMessage(profile.LanguageFlag()), kMessageCaption);
    return;
  }
  {
    std::lock_guard operation(context_.profileOperation);
    LoadProfile(os.files, profile, *path, kExchangeProfile, false);
  }
  Repaint();
}

void ProfileActions::ExportProfile() {
  const FileDialogOptions options{kProfileFileFilter, context_.paths.programDirectory, kProfileFileExtension};
  const auto path = context_.platform.dialogs.SaveFile(Window(), options);
  if (!path) return;
  context_.ReportSave(*path, SaveProfile(context_.platform.files, context_.profile.Fields(), *path, kExchangeProfile));
  Repaint();
}

void ProfileActions::ResetProfiles() {
  Platform& os = context_.platform;
  ProfileModel& profile = context_.profile;
  const int32_t language = profile.LanguageFlag();
  // Every profile and every macro is overwritten.
  if (!os.dialogs.AskYesNo(Window(), ResetQuestion(language), kMessageCaption)) return;

  const std::filesystem::path& config = context_.paths.configPath;
  {
    std::lock_guard operation(context_.profileOperation);
    FileStore& files = os.files;
    profile.SetFactoryDefaults();
    bool saved = SaveProfile(files, profile.Fields(), config, kFactoryProfile);
    for (int32_t n = kLastProfile; n > kFactoryProfile; --n) {
      // A config.ini that lost a factory section still gives that profile
      // working settings, not a mouse without a left click.
      if (HoldsProfile(files, profile, config, n, true)) LoadProfile(files, profile, config, n, true);
      else profile.SetFactoryDefaults();
      saved = SaveProfile(files, profile.Fields(), config, n) && saved;
    }
    context_.ReportSave(config, saved);
    LoadProfile(files, profile, config, profile.CurConfig(), false);
  }

  const std::filesystem::path defaults =
      context_.paths.skinsDirectory / (language ? "INI_EN" : "INI_CN") / "defMacro.dat";
  std::error_code error;
  if (std::filesystem::exists(defaults, error)) {
    LoadMacroFile(os.files, context_.macros, defaults, os.dialogs, Window());
    if (context_.flags.CurrentPage == kAdvancedPage) {
      macroPage_.RefreshMacroList();
      Repaint();
    }
    context_.ReportSave(context_.paths.macroFilePath,
                        SaveMacroFile(os.files, context_.macros, context_.paths.macroFilePath));
  } else {
    // Without the default macros the user's own stay, in memory and on disk.
    os.dialogs.MessageBox(Window(), kMacroFileMissingMessage, kMacroFileMessageCaption);
  }

  ApplyProfile(context_);
}

void ProfileActions::OpenUserGuide() {
  const std::filesystem::path guide = context_.paths.programDirectory / "help" / "index.html";
  context_.platform.shell.OpenDocument(guide.u16string());
}

WindowHost* ProfileActions::Window() const { return mainWindow_.HasWindow() ? &mainWindow_.Host() : nullptr; }

void ProfileActions::Repaint() {
  if (WindowHost* window = Window()) window->Invalidate(true);
}

}  // namespace tx80
