#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tx80 {

class FileStore;

// Section [AppProfiles] of config.ini: "game.exe=3" selects profile 3 while
// game.exe is the program in front.
inline constexpr std::u16string_view kAppProfilesSection = u"AppProfiles";

struct GameProfileRule {
  std::u16string program;  // a file name, compared without regard to case
  int32_t profile = 0;     // 1..5
  bool operator==(const GameProfileRule&) const = default;
};
using GameProfileRules = std::vector<GameProfileRule>;

// The rules in file order. Only a program's first line counts; a rule that
// names no profile, or one outside 1..5, is left out.
GameProfileRules ReadGameProfileRules(FileStore& files, const std::filesystem::path& config);
// The profile the rules give the program; nothing for a program without one.
std::optional<int32_t> ProfileForProgram(const GameProfileRules& rules, std::u16string_view program);

// Whether the name can stand as a key of the section: not empty, no "=" (it
// would end the key), no "[" or ";" first (a section header, a comment), no
// blank at either end (it would be trimmed away), no line break.
bool CanNameARule(std::u16string_view program);
// Adds a rule, or changes the profile of the program's rule; false when the
// name cannot be stored (CanNameARule), the profile is outside 1..5, or the
// file could not be written.
bool WriteGameProfileRule(FileStore& files, const std::filesystem::path& config, std::u16string_view program,
                          int32_t profile);
// Removes the program's rule (every line of it); false when the file could not be written.
bool RemoveGameProfileRule(FileStore& files, const std::filesystem::path& config, std::u16string_view program);

}  // namespace tx80
