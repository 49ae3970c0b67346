#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/PrivateProfile.h"
#include "profile/ProfileModel.h"

namespace tx80 {

class FileStore;

// config.ini and profile exchange files. Profiles live in sections
// "Config" + n; the factory settings in "CfgReset" + n and "CfgReset_EN5".
// Every save returns false when the file could not be written; the caller
// reports it.
inline constexpr int32_t kAppliedProfile = 6;   // [Config6]: last profile sent to the mouse
inline constexpr int32_t kExchangeProfile = 7;  // [Config7] of an exchange file

std::u16string ProfileSection(int32_t profile);

// Reads one profile section into the model (CurConfig is not touched). With
// `factory`, reads the factory section of profile n; profile 5's English one
// when the model's LanguageFlag is exactly 1.
void LoadProfile(FileStore& files, ProfileModel& model, const std::filesystem::path& file, int32_t profile,
                 bool factory);
// Profile n becomes the current one (CurConfig), loaded from its section of
// config.ini. The caller holds the profile-operation lock.
void SelectProfile(FileStore& files, ProfileModel& model, const std::filesystem::path& config, int32_t profile);
// Whether the section LoadProfile would read holds a profile: at least one of
// its keys. A file without the section holds none.
bool HoldsProfile(FileStore& files, const ProfileModel& model, const std::filesystem::path& file, int32_t profile,
                  bool factory);
// Writes every key of the profile, in the file's key order, into "Config" + n,
// as one replacement of the file.
bool SaveProfile(FileStore& files, const ProfileFields& fields, const std::filesystem::path& file, int32_t profile);
// Writes only DPI_LEVEL into "Config" + n.
bool SaveDpiLevel(FileStore& files, int32_t dpiLevel, const std::filesystem::path& file, int32_t profile);

// What an apply records, in this order: [Init] CurConfig, the profile into
// [Config6], and the profile into its own section.
std::vector<ProfileWrite> AppliedProfileWrites(const ProfileFields& fields, int32_t curConfig);
// Those writes as one replacement of the file: a crash or a failed write
// leaves the file as it was, never an applied profile half old, half new.
bool SaveAppliedProfile(FileStore& files, const ProfileFields& fields, const std::filesystem::path& file,
                        int32_t curConfig);

// [Init] CurConfig, as a number (0 when missing).
int32_t ReadCurConfig(FileStore& files, const std::filesystem::path& file);
// The low 8 bits of [Init] VER_SEL: nonzero English, zero Chinese.
int32_t ReadLanguage(FileStore& files, const std::filesystem::path& file);
bool WriteLanguage(FileStore& files, const std::filesystem::path& file, int32_t language);

}  // namespace tx80
