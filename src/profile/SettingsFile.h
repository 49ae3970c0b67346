#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "profile/ProfileModel.h"

namespace tx80 {

// config.ini and profile exchange files. Profiles live in sections
// "Config" + n; the factory settings in "CfgReset" + n and "CfgReset_EN5".
inline constexpr int32_t kAppliedProfile = 6;   // [Config6]: last profile sent to the mouse
inline constexpr int32_t kExchangeProfile = 7;  // [Config7] of an exchange file

std::u16string ProfileSection(int32_t profile);

// Reads one profile section into the model (CurConfig is not touched). With
// `factory`, reads the factory section of profile n; profile 5's English one
// when the model's LanguageFlag is exactly 1.
void LoadProfile(ProfileModel& model, const std::filesystem::path& file, int32_t profile, bool factory);
// Whether the section LoadProfile would read holds a profile: at least one of
// its keys. A file without the section holds none.
bool HoldsProfile(const ProfileModel& model, const std::filesystem::path& file, int32_t profile, bool factory);
// Writes every key of the profile, in the file's key order, into "Config" + n.
void SaveProfile(const ProfileFields& fields, const std::filesystem::path& file, int32_t profile);
// Writes only DPI_LEVEL into "Config" + n.
void SaveDpiLevel(int32_t dpiLevel, const std::filesystem::path& file, int32_t profile);

// [Init] CurConfig, as a number (0 when missing).
int32_t ReadCurConfig(const std::filesystem::path& file);
void WriteCurConfig(const std::filesystem::path& file, int32_t profile);
// The low 8 bits of [Init] VER_SEL: nonzero English, zero Chinese.
int32_t ReadLanguage(const std::filesystem::path& file);
void WriteLanguage(const std::filesystem::path& file, int32_t language);

}  // namespace tx80
