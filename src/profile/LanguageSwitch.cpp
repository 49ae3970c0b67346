#include "profile/LanguageSwitch.h"

#include "profile/ProfileModel.h"
#include "profile/SaveReporter.h"
#include "profile/SettingsFile.h"

namespace tx80 {

void SwitchLanguage(ProfileModel& profile, FileStore& files, const std::filesystem::path& configPath,
                    SaveReporter& saves, const LanguageSwitchSteps& steps, int32_t language) {
  profile.SetLanguageFlag(language);
  saves.ReportSave(configPath, WriteLanguage(files, configPath, language));
  if (!steps.reloadSkin()) return;
  steps.reloadMacros();
  steps.reloadMenusAndCaption();
}

}  // namespace tx80
