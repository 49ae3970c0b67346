#include "profile/GameProfileRules.h"

#include <algorithm>

#include "framework/Decimal.h"
#include "framework/PrivateProfile.h"
#include "profile/ProfileModel.h"

namespace tx80 {

namespace {

// File names on Windows match without regard to case; the program's INI keys
// match the same way for ASCII letters, so that is what counts here too.
char16_t FoldCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameProgram(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

GameProfileRules ReadGameProfileRules(FileStore& files, const std::filesystem::path& config) {
  // The first line of a program decides, as for any key of the file, even
  // when it names no profile.
  GameProfileRules named;
  for (const auto& [program, value] : ReadProfileSection(files, config, kAppProfilesSection))
    if (!program.empty() && !ProfileForProgram(named, program)) named.push_back({program, ParseDecimal(value)});
  std::erase_if(named, [](const GameProfileRule& rule) { return !IsProfile(rule.profile); });
  return named;
}

std::optional<int32_t> ProfileForProgram(const GameProfileRules& rules, std::u16string_view program) {
  const auto rule = std::ranges::find_if(rules, [program](const auto& r) { return SameProgram(r.program, program); });
  if (rule == rules.end()) return std::nullopt;
  return rule->profile;
}

bool CanNameARule(std::u16string_view program) {
  if (program.empty() || program.front() == u'[' || program.front() == u';') return false;
  if (IsBlank(program.front()) || IsBlank(program.back())) return false;
  return program.find_first_of(u"=\r\n") == std::u16string_view::npos;
}

bool WriteGameProfileRule(FileStore& files, const std::filesystem::path& config, std::u16string_view program,
                          int32_t profile) {
  if (!CanNameARule(program) || !IsProfile(profile)) return false;
  return WriteProfileString(files, config, kAppProfilesSection, program, FormatDecimal(profile));
}

bool RemoveGameProfileRule(FileStore& files, const std::filesystem::path& config, std::u16string_view program) {
  return RemoveProfileKey(files, config, kAppProfilesSection, program);
}

}  // namespace tx80
