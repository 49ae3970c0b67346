#include "app/commands/SettingsBackup.h"

#include <algorithm>
#include <optional>

#include "framework/Decimal.h"
#include "macro/MacroFile.h"
#include "macro/MacroStore.h"
#include "platform/FileStore.h"
#include "profile/ProfileModel.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {

constexpr std::u16string_view kBackupSection = u"TX80Backup";
constexpr std::u16string_view kFormatKey = u"Format";
constexpr std::u16string_view kFormat = u"1";
constexpr std::u16string_view kInitSection = u"Init";
constexpr std::u16string_view kCurConfigKey = u"CurConfig";
constexpr std::u16string_view kEnglishMacros = u"Macros_EN";
constexpr std::u16string_view kChineseMacros = u"Macros_CN";
constexpr std::u16string_view kMacroCountKey = u"macroNum";
// Sections that need not be there: a setup without options or rules has none.
constexpr std::u16string_view kOptionalSections[] = {u"Options", u"AppProfiles"};

std::vector<std::u16string> ConfigSectionNames() {
  std::vector<std::u16string> names{std::u16string(kInitSection)};
  for (int32_t profile = 1; profile <= kProfileCount; ++profile) names.push_back(ProfileSection(profile));
  for (std::u16string_view optional : kOptionalSections) names.emplace_back(optional);
  return names;
}

bool IsOptional(std::u16string_view section) {
  return std::find(std::begin(kOptionalSections), std::end(kOptionalSections), section) != std::end(kOptionalSections);
}

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// Keys match without regard to case, as the INI engine matches them.
bool SameKey(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
           return Upper(x) == Upper(y);
         });
}

void AddMacroSection(std::vector<ProfileWrite>& writes, std::u16string_view section, const std::vector<Macro>& macros) {
  const std::vector<ProfileWrite> macroWrites = MacroFileWrites(macros, section);
  writes.insert(writes.end(), macroWrites.begin(), macroWrites.end());
}

// The records of a macro section, each as the macro file would load it back
// unchanged; a refusal otherwise.
std::variant<std::vector<Macro>, BackupRefusal> ReadMacroSection(FileStore& files, const std::filesystem::path& backup,
                                                               std::u16string_view section) {
  using Reason = BackupRefusal::Reason;
  const auto keys = ReadProfileSection(files, backup, section);
  if (keys.empty()) return BackupRefusal{Reason::MissingSection, std::u16string(section)};
  auto value = [&keys](std::u16string_view key) -> const std::u16string* {
    for (const auto& [name, text] : keys)
      if (SameKey(name, key)) return &text;
    return nullptr;
  };
  const std::u16string* count = value(kMacroCountKey);
  const int32_t declared = count ? ParseDecimal(*count) : -1;
  if (!count || FormatDecimal(declared) != *count || declared < 0 || declared > MacroStore::kMaxMacros)
    return BackupRefusal{Reason::BadMacroCount, std::u16string(section)};
  std::vector<Macro> macros;
  for (int32_t i = 0; i < declared; ++i) {
    const std::u16string* record = value(FormatDecimal(i));
    if (!record || !IsWholeMacroValue(*record)) return BackupRefusal{Reason::BadMacroRecord, std::u16string(section), 0, i};
    macros.push_back(DecodeMacroValue(*record));
  }
  return macros;
}

// What a restore needs of config.ini's sections, checked in `file`: a backup,
// or the settings a backup is made from.
std::optional<BackupRefusal> CheckProfiles(FileStore& files, const std::filesystem::path& file) {
  using Reason = BackupRefusal::Reason;
  for (const std::u16string& section : ConfigSectionNames())
    if (!IsOptional(section) && ReadProfileSection(files, file, section).empty())
      return BackupRefusal{Reason::MissingSection, section};
  if (!IsProfile(ParseDecimal(ReadProfileString(files, file, kInitSection, kCurConfigKey, 5))))
    return BackupRefusal{Reason::NoCurrentProfile, std::u16string(kInitSection)};
  for (int32_t profile = 1; profile <= kProfileCount; ++profile) {
    ProfileModel model;
    LoadProfile(files, model, file, profile, false);
    const ProfileFields fields = model.Fields();
    if (!HasLeftClick(fields)) return BackupRefusal{Reason::NoLeftClick, ProfileSection(profile), profile};
    if (!HasDpiLevelOn(fields)) return BackupRefusal{Reason::NoDpiLevelOn, ProfileSection(profile), profile};
  }
  return std::nullopt;
}

// The old content of each file a restore writes, to put back after a failure.
struct Saved {
  const std::filesystem::path* file;
  FileStore::Content before;
};

}  // namespace

std::optional<BackupRefusal> WriteSettingsBackup(FileStore& files, const SettingsFiles& settings,
                                                 const std::filesystem::path& backup) {
  using Reason = BackupRefusal::Reason;
  if (files.Read(settings.config).status != FileStore::Content::Status::Read) return BackupRefusal{Reason::Unreadable, {}};
  // A backup that its restore would refuse is no backup.
  if (auto refusal = CheckProfiles(files, settings.config)) return refusal;
  std::vector<ProfileWrite> writes{{std::u16string(kBackupSection), std::u16string(kFormatKey), std::u16string(kFormat)}};
  for (const std::u16string& section : ConfigSectionNames())
    for (auto& [key, value] : ReadProfileSection(files, settings.config, section)) writes.push_back({section, key, value});
  AddMacroSection(writes, kEnglishMacros, ReadMacroFile(files, settings.englishMacros));
  AddMacroSection(writes, kChineseMacros, ReadMacroFile(files, settings.chineseMacros));
  const auto bytes = NewProfileFile(files, writes);
  if (!bytes || !ReplaceWholeFile(files, backup, *bytes)) return BackupRefusal{Reason::Unwritable, {}};
  return std::nullopt;
}

std::variant<SettingsBackup, BackupRefusal> ReadSettingsBackup(FileStore& files, const std::filesystem::path& backup) {
  using Reason = BackupRefusal::Reason;
  if (files.Read(backup).status != FileStore::Content::Status::Read) return BackupRefusal{Reason::Unreadable, {}};
  if (ReadProfileString(files, backup, kBackupSection, kFormatKey, 8) != kFormat) return BackupRefusal{Reason::NotABackup, {}};
  if (auto refusal = CheckProfiles(files, backup)) return *refusal;

  SettingsBackup result;
  for (const std::u16string& section : ConfigSectionNames())
    result.configSections.push_back({section, ReadProfileSection(files, backup, section)});
  result.curConfig = ParseDecimal(ReadProfileString(files, backup, kInitSection, kCurConfigKey, 5));
  for (auto [section, macros] : {std::pair{kEnglishMacros, &result.englishMacros},
                                 std::pair{kChineseMacros, &result.chineseMacros}}) {
    auto read = ReadMacroSection(files, backup, section);
    if (auto* refusal = std::get_if<BackupRefusal>(&read)) return *refusal;
    *macros = std::move(std::get<std::vector<Macro>>(read));
  }
  return result;
}

bool RestoreSettingsBackup(FileStore& files, const SettingsFiles& settings, const SettingsBackup& backup) {
  std::vector<Saved> saved;
  for (const std::filesystem::path* file : {&settings.config, &settings.englishMacros, &settings.chineseMacros}) {
    saved.push_back({file, files.Read(*file)});
    if (saved.back().before.status == FileStore::Content::Status::Unreadable) return false;
  }
  auto restoreConfig = [&] {
    std::vector<ProfileWrite> writes;
    for (const SettingsBackup::Section& section : backup.configSections)
      for (const auto& [key, value] : section.keys) writes.push_back({section.name, key, value});
    if (!WriteProfileStrings(files, settings.config, writes)) return false;
    // Keys the backup does not hold go: a rule added since, say.
    for (const SettingsBackup::Section& section : backup.configSections)
      for (const auto& entry : ReadProfileSection(files, settings.config, section.name)) {
        const std::u16string& key = entry.first;
        const bool kept = std::any_of(section.keys.begin(), section.keys.end(),
                                      [&key](const auto& held) { return SameKey(held.first, key); });
        if (!kept && !RemoveProfileKey(files, settings.config, section.name, key)) return false;
      }
    return true;
  };
  // A new file: no record of an earlier, larger set stays behind.
  auto restoreMacros = [&files](const std::filesystem::path& file, const std::vector<Macro>& macros) {
    const auto bytes = NewProfileFile(files, MacroFileWrites(macros));
    return bytes && ReplaceWholeFile(files, file, *bytes);
  };
  const bool restored = restoreConfig() && restoreMacros(settings.englishMacros, backup.englishMacros) &&
                        restoreMacros(settings.chineseMacros, backup.chineseMacros);
  if (restored) return true;
  for (const Saved& file : saved)
    if (file.before.status == FileStore::Content::Status::Read) ReplaceWholeFile(files, *file.file, file.before.bytes);
  return false;
}

}  // namespace tx80
