#include "macro/MacroFile.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "framework/Decimal.h"
#include "framework/PrivateProfile.h"
#include "macro/MacroStore.h"
#include "platform/Dialogs.h"

namespace tx80 {

namespace {

constexpr std::u16string_view kSection = u"Macros";
constexpr std::u16string_view kCountKey = u"macroNum";
// The count was always read into 3 characters with its terminator: two digits.
constexpr std::size_t kCountBuffer = 3;
constexpr std::size_t kFieldChars = 3;
constexpr std::size_t kValueChars = Macro::kSize * kFieldChars;  // 3192
// The value was always read into 3192 characters with its terminator, so the
// last field (slot 254's high delay byte, never part of an event) comes back
// with two digits. Files written by earlier versions rely on nothing beyond it.
constexpr std::size_t kValueBuffer = kValueChars;

constexpr std::size_t kHeaderBytes = Macro::kEventsOffset;  // name and header, stored as they lie

// Record offset of byte j in the file order: the header as it lies, then per
// event slot its code, action, delay low byte, delay high byte.
std::size_t RecordOffset(std::size_t j) {
  if (j < kHeaderBytes) return j;
  const std::size_t k = (j - kHeaderBytes) / 4;
  switch ((j - kHeaderBytes) % 4) {
    case 0: return Macro::kEventsOffset + 2 * k;
    case 1: return Macro::kEventsOffset + 2 * k + 1;
    case 2: return Macro::kDelaysOffset + 2 * k;
    default: return Macro::kDelaysOffset + 2 * k + 1;
  }
}

}  // namespace

std::u16string EncodeMacroValue(const Macro& macro) {
  std::u16string value;
  value.reserve(kValueChars);
  for (std::size_t j = 0; j < Macro::kSize; ++j) {
    const uint8_t byte = macro.Bytes()[RecordOffset(j)];
    // Zero-padded "%03d" of a byte.
    value.push_back(static_cast<char16_t>(u'0' + byte / 100));
    value.push_back(static_cast<char16_t>(u'0' + byte / 10 % 10));
    value.push_back(static_cast<char16_t>(u'0' + byte % 10));
  }
  return value;
}

Macro DecodeMacroValue(std::u16string_view value) {
  Macro macro;
  for (std::size_t j = 0; j < Macro::kSize; ++j) {
    const std::size_t start = j * kFieldChars;
    const std::u16string_view field = start < value.size() ? value.substr(start, kFieldChars) : std::u16string_view{};
    macro.Bytes()[RecordOffset(j)] = static_cast<uint8_t>(ParseDecimal(field) & 0xFF);
  }
  return macro;
}

bool IsWholeMacroValue(std::u16string_view value) {
  if (value.size() != kValueChars) return false;
  for (std::size_t start = 0; start < value.size(); start += kFieldChars) {
    int field = 0;
    for (char16_t c : value.substr(start, kFieldChars)) {
      if (c < u'0' || c > u'9') return false;
      field = field * 10 + (c - u'0');
    }
    if (field > 255) return false;
  }
  return true;
}

std::filesystem::path MacroFilePath(const std::filesystem::path& settingsDirectory, int32_t languageFlag) {
  return settingsDirectory / (languageFlag ? "Macro_EN.dat" : "Macro_CN.dat");
}

std::filesystem::path DefaultMacroFilePath(const std::filesystem::path& skinsDirectory, int32_t languageFlag) {
  return skinsDirectory / (languageFlag ? "INI_EN" : "INI_CN") / "defMacro.dat";
}

void LoadMacroFile(FileStore& files, MacroStore& store, const std::filesystem::path& path, Dialogs& dialogs,
                   WindowHost* owner) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    dialogs.MessageBox(owner, kMacroFileMissingMessage, kMessageCaption);
  }
  store.Replace(ReadMacroFile(files, path));
}

std::vector<Macro> ReadMacroFile(FileStore& files, const std::filesystem::path& path) {
  const int32_t declared = ParseDecimal(ReadProfileString(files, path, kSection, kCountKey, kCountBuffer));
  // The store has twelve slots: a larger count loads the first twelve macros,
  // a negative one none.
  const int32_t count = std::clamp<int32_t>(declared, 0, MacroStore::kMaxMacros);
  std::vector<Macro> macros;
  macros.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    macros.push_back(DecodeMacroValue(ReadProfileString(files, path, kSection, FormatDecimal(i), kValueBuffer)));
  }
  return macros;
}

std::vector<ProfileWrite> MacroFileWrites(std::span<const Macro> macros, std::u16string_view section) {
  std::vector<ProfileWrite> writes;
  writes.reserve(macros.size() + 1);
  writes.push_back({std::u16string(section), std::u16string(kCountKey), FormatDecimal(static_cast<int64_t>(macros.size()))});
  for (std::size_t i = 0; i < macros.size(); ++i)
    writes.push_back({std::u16string(section), FormatDecimal(static_cast<int64_t>(i)), EncodeMacroValue(macros[i])});
  return writes;
}

bool SaveMacroFile(FileStore& files, const MacroStore& store, const std::filesystem::path& path) {
  return WriteProfileStrings(files, path, MacroFileWrites(store.Macros(), kSection));
}

}  // namespace tx80
