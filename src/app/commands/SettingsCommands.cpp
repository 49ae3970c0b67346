#include "app/commands/SettingsCommands.h"

#include "app/AppContext.h"
#include "app/commands/CommandTexts.h"
#include "macro/MacroFile.h"

namespace tx80 {

SettingsFiles SettingsFilesOf(const AppPaths& paths) {
  return {paths.configPath, MacroFilePath(paths.settingsDirectory, 1), MacroFilePath(paths.settingsDirectory, 0)};
}

CommandResult BackUpSettings(FileStore& files, const SettingsFiles& settings, std::u16string_view file,
                             int32_t language) {
  if (const auto refusal = WriteSettingsBackup(files, settings, std::filesystem::path(file)))
    return {exit_code::kRefused, BackupNotWrittenText(*refusal, file, settings.config.u16string(), language)};
  return {exit_code::kDone, BackupWrittenText(file, language)};
}

RestoredSettings RestoreSettings(FileStore& files, const SettingsFiles& settings, std::u16string_view file,
                                 int32_t language) {
  const auto read = ReadSettingsBackup(files, std::filesystem::path(file));
  if (const auto* refusal = std::get_if<BackupRefusal>(&read))
    return {CommandResult{exit_code::kRefused, BackupRefusedText(*refusal, file, language)}};
  const SettingsBackup& backup = std::get<SettingsBackup>(read);
  if (!RestoreSettingsBackup(files, settings, backup))
    return {CommandResult{exit_code::kRefused, RestoreFailedText(language)}};
  return {std::nullopt, backup.curConfig};
}

}  // namespace tx80
