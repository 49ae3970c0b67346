#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/commands/CommandResult.h"
#include "app/commands/SettingsBackup.h"

namespace tx80 {

class FileStore;
struct AppPaths;

// The settings files of the program's folders.
SettingsFiles SettingsFilesOf(const AppPaths& paths);

// /backup: the whole setup into `file`.
CommandResult BackUpSettings(FileStore& files, const SettingsFiles& settings, std::u16string_view file,
                             int32_t language);

// /restore's files: `file` checked whole, then each settings file saved.
struct RestoredSettings {
  std::optional<CommandResult> refused;  // nothing changed
  int32_t curConfig = 0;                 // the restored current profile
};
RestoredSettings RestoreSettings(FileStore& files, const SettingsFiles& settings, std::u16string_view file,
                                 int32_t language);

}  // namespace tx80
