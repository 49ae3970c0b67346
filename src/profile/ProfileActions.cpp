#include "profile/ProfileActions.h"

#include <filesystem>
#include <mutex>
#include <string_view>
#include <utility>

#include "framework/Decimal.h"
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

// What the warning asks before importing a profile the mouse cannot work with.
std::u16string ImportQuestion(const ProfileFields& fields, int32_t languageFlag) {
  const bool leftClick = HasLeftClick(fields);
  const std::u16string level = FormatDecimal(DpiLevelInUse(fields) + 1);
  if (languageFlag) {
    if (!leftClick && !HasDpiLevelOn(fields)) return u"No Left Click and no DPI level on: add both?";
    if (!leftClick) return u"No Left Click: make button 1 the Left Click?";
    return u"No DPI level on: switch level " + level + u" on?";
  }
  if (!leftClick && !HasDpiLevelOn(fields)) return u"没有左键也没有开启的DPI档位：都加上？";
  if (!leftClick) return u"没有左键：将按键1设为左键？";
  return u"没有开启的DPI档位：开启第" + level + u"档？";
}

// Button 1, the mouse's left button, gets the left click; the level in use is
// switched on.
void MakeUsable(ProfileFields& fields) {
  if (!HasLeftClick(fields)) fields.K[0] = kLeftClick;
  if (!HasDpiLevelOn(fields)) fields.DPI_SET_EN[static_cast<std::size_t>(DpiLevelInUse(fields))] = 1;
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
  ProfileModel read;
  LoadProfile(uses_.files, read, *path, kExchangeProfile, false);
  ProfileFields fields = read.Fields();
  // Like giving away the last left click in a list: the user is asked, and the
  // profile then keeps what the mouse needs.
  if (!HasLeftClick(fields) || !HasDpiLevelOn(fields)) {
    if (!uses_.warn(ImportQuestion(fields, profile.LanguageFlag()))) return;
    MakeUsable(fields);
  }
  {
    std::lock_guard operation(uses_.profileOperation);
    profile.Load(fields);
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
