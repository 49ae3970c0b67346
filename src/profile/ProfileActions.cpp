#include "profile/ProfileActions.h"

#include <filesystem>
#include <mutex>
#include <string_view>
#include <utility>

#include "framework/Dialog.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/WindowHost.h"
#include "profile/Captions.h"
#include "profile/SaveReporter.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {

constexpr int32_t kFactoryProfile = 1;  // takes the model's factory settings; 2..5 have sections

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

void ProfileActions::SelectProfile(int32_t profile) {
  {
    std::lock_guard operation(uses_.profileOperation);
    tx80::SelectProfile(uses_.files, uses_.profile, uses_.configPath, profile);
  }
  Repaint();
}

void ProfileActions::RevertToActive() {
  {
    std::lock_guard operation(uses_.profileOperation);
    ProfileModel& profile = uses_.profile;
    FileStore& files = uses_.files;
    const std::filesystem::path& config = uses_.configPath;
    uses_.saves.ReportSave(config, SaveDpiLevel(files, profile.Fields().DPI_LEVEL, config, kAppliedProfile));
    LoadProfile(files, profile, config, kAppliedProfile, false);
  }
  Repaint();
}

void ProfileActions::ImportProfile() {
  const FileDialogOptions options{kProfileFileFilter, uses_.programDirectory, {}};
  const auto path = uses_.dialogs.OpenFile(Window(), options);
  if (!path) return;
  ProfileModel& profile = uses_.profile;
  // Loading a file without [Config7] would leave no left click and no DPI
  // level on the mouse at the next apply.
  if (!HoldsProfile(uses_.files, profile, *path, kExchangeProfile, false)) {
    uses_.dialogs.MessageBox(Window(), NoProfileMessage(profile.LanguageFlag()), kMessageCaption);
    return;
  }
  {
    std::lock_guard operation(uses_.profileOperation);
    LoadProfile(uses_.files, profile, *path, kExchangeProfile, false);
  }
  Repaint();
}

void ProfileActions::ExportProfile() {
  const FileDialogOptions options{kProfileFileFilter, uses_.programDirectory, kProfileFileExtension};
  const auto path = uses_.dialogs.SaveFile(Window(), options);
  if (!path) return;
  uses_.saves.ReportSave(*path, SaveProfile(uses_.files, uses_.profile.Fields(), *path, kExchangeProfile));
  Repaint();
}

void ProfileActions::ResetProfiles() {
  ProfileModel& profile = uses_.profile;
  // Every profile and every macro is overwritten.
  if (!uses_.dialogs.AskYesNo(Window(), ResetQuestion(profile.LanguageFlag()), kMessageCaption)) return;

  const std::filesystem::path& config = uses_.configPath;
  {
    std::lock_guard operation(uses_.profileOperation);
    FileStore& files = uses_.files;
    profile.SetFactoryDefaults();
    bool saved = SaveProfile(files, profile.Fields(), config, kFactoryProfile);
    for (int32_t n = kProfileCount; n > kFactoryProfile; --n) {
      // A config.ini that lost a factory section still gives that profile
      // working settings, not a mouse without a left click.
      if (HoldsProfile(files, profile, config, n, true)) LoadProfile(files, profile, config, n, true);
      else profile.SetFactoryDefaults();
      saved = SaveProfile(files, profile.Fields(), config, n) && saved;
    }
    uses_.saves.ReportSave(config, saved);
    LoadProfile(files, profile, config, profile.CurConfig(), false);
  }
  uses_.resetMacros();
  uses_.apply();
}

void ProfileActions::OpenUserGuide() {
  const std::filesystem::path guide = uses_.programDirectory / "help" / "index.html";
  uses_.shell.OpenDocument(guide.u16string());
}

WindowHost* ProfileActions::Window() const { return uses_.mainWindow.HasWindow() ? &uses_.mainWindow.Host() : nullptr; }

void ProfileActions::Repaint() {
  if (WindowHost* window = Window()) window->Invalidate(true);
}

}  // namespace tx80
