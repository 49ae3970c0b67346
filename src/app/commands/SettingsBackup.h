#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "framework/PrivateProfile.h"
#include "macro/Macro.h"

namespace tx80 {

class FileStore;

// The files that hold the user's setup.
struct SettingsFiles {
  std::filesystem::path config;
  std::filesystem::path englishMacros;
  std::filesystem::path chineseMacros;
};

// The whole setup in one INI file: [TX80Backup] Format=1; [Init], the five
// profiles [Config1]..[Config5], [Options] and [AppProfiles] as config.ini
// holds them; both languages' macro files as [Macros_EN] and [Macros_CN]
// ("macroNum", then one record per macro as the macro file stores it). A
// section with no keys is left out; [Options] and [AppProfiles] may be.
//
// Why no backup is written, or a backup file is not restored: nothing is
// written either way. No backup is written when its restore would refuse it;
// the reason then concerns config.ini.
struct BackupRefusal {
  enum class Reason {
    Unreadable,      // missing, or cannot be read
    Unwritable,      // the backup file cannot be written
    NotABackup,      // no [TX80Backup] Format=1
    MissingSection,  // `section` is missing or empty
    NoCurrentProfile,  // [Init] CurConfig names no profile 1..5
    NoLeftClick,       // profile `profile` gives no button the left click
    NoDpiLevelOn,      // profile `profile` has every DPI level switched off
    BadMacroCount,     // `section`'s macroNum is not 0..12
    BadMacroRecord,    // record `record` of `section` is missing or not whole
  };
  Reason reason = Reason::Unreadable;
  std::u16string section;
  int32_t profile = 0;
  int32_t record = 0;
  bool operator==(const BackupRefusal&) const = default;
};

// Writes the backup as a new file (whatever `backup` held is replaced whole),
// once config.ini holds what a restore needs; the refusal otherwise.
std::optional<BackupRefusal> WriteSettingsBackup(FileStore& files, const SettingsFiles& settings,
                                                 const std::filesystem::path& backup);

// A backup checked whole: what a restore writes.
struct SettingsBackup {
  // Section name and its keys with their values, in file order.
  struct Section {
    std::u16string name;
    std::vector<std::pair<std::u16string, std::u16string>> keys;
  };
  std::vector<Section> configSections;  // [Init], [Config1..5], [Options], [AppProfiles]
  std::vector<Macro> englishMacros;
  std::vector<Macro> chineseMacros;
  int32_t curConfig = 0;
};

std::variant<SettingsBackup, BackupRefusal> ReadSettingsBackup(FileStore& files, const std::filesystem::path& backup);

// Saves each settings file whole: config.ini's backed-up sections take
// exactly the backup's keys (its other sections, the factory ones and
// [Config6], stay), each macro file is written anew with the backup's macros. When one file
// cannot be saved, those saved already get their old content back: false,
// and nothing is changed.
bool RestoreSettingsBackup(FileStore& files, const SettingsFiles& settings, const SettingsBackup& backup);

}  // namespace tx80
