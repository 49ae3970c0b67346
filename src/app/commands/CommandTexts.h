#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "app/commands/Command.h"
#include "app/commands/SettingsBackup.h"

namespace tx80 {

// What the commands print, in the interface language (nonzero: English),
// each line ended by "\n".
std::u16string UsageText(int32_t language);
std::u16string HelpText(int32_t language);
std::u16string BadCommandLineText(const BadCommandLine& bad, int32_t language);  // with the usage line
std::u16string NotRunningText(int32_t language);
std::u16string MouseAbsentText(int32_t language);
std::u16string ProfileAppliedText(int32_t profile, int32_t language);
std::u16string DpiLevelSetText(int32_t level, int32_t resolution, int32_t language);
std::u16string DpiLevelOffText(int32_t level, int32_t profile, int32_t language);
std::u16string BackupWrittenText(std::u16string_view file, int32_t language);
// No backup written: the backup file cannot be written, or `config` lacks
// what a restore needs.
std::u16string BackupNotWrittenText(const BackupRefusal& refusal, std::u16string_view file, std::u16string_view config,
                                    int32_t language);
std::u16string BackupRefusedText(const BackupRefusal& refusal, std::u16string_view file, int32_t language);
std::u16string RestoreFailedText(int32_t language);
// `appliedProfile`: the profile the running driver applied; 0 when no driver
// runs and the settings take effect at its next start.
std::u16string RestoredText(std::u16string_view file, int32_t appliedProfile, int32_t language);

}  // namespace tx80
