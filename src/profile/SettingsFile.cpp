#include "profile/SettingsFile.h"

#include <vector>

#include "framework/Decimal.h"

namespace tx80 {

namespace {

constexpr std::u16string_view kInit = u"Init";
// Read buffers, terminator included: most values keep 4 characters, the DPI
// keys 9. Longer values are cut before conversion, as stored files expect.
constexpr std::size_t kShortBuffer = 5;
constexpr std::size_t kLongBuffer = 10;

// "K1", "DPI_SET3", "Config6": a name followed by a number in "%d".
std::u16string Numbered(std::u16string_view prefix, int64_t n) {
  std::u16string name(prefix);
  return name += FormatDecimal(n);
}

std::u16string DpiKey(std::u16string_view prefix, int level) { return Numbered(prefix, level + 1); }

int32_t ReadNumber(FileStore& files, const std::filesystem::path& file, std::u16string_view section,
                   std::u16string_view key, std::size_t buffer) {
  return ParseDecimal(ReadProfileString(files, file, section, key, buffer));
}

ProfileWrite NumberWrite(std::u16string_view section, std::u16string_view key, int64_t value) {
  return {std::u16string(section), std::u16string(key), FormatDecimal(value)};
}

// Every key of a profile, in the order the program has always written them.
void AddProfileWrites(std::vector<ProfileWrite>& writes, const ProfileFields& f, int32_t profile) {
  const std::u16string section = ProfileSection(profile);
  for (int slot = 1; slot <= kButtonSlotCount; ++slot) writes.push_back(NumberWrite(section, Numbered(u"K", slot), f.K[slot - 1]));
  writes.push_back(NumberWrite(section, u"DPI_LEVEL", f.DPI_LEVEL));
  writes.push_back(NumberWrite(section, u"WHEEL_STATUS", f.WHEEL_STATUS));
  writes.push_back(NumberWrite(section, u"MACRO_MODE2", f.MACRO_MODE2));
  for (int level = 0; level < kDpiLevelCount; ++level) {
    writes.push_back(NumberWrite(section, DpiKey(u"DPI_SET", level), f.DPI_SET[level]));
    writes.push_back(NumberWrite(section, DpiKey(u"DPI_SET_EN", level), f.DPI_SET_EN[level]));
  }
  writes.push_back(NumberWrite(section, u"LED_STATUS", f.LED_STATUS));
  writes.push_back(NumberWrite(section, u"DPI_SPEED", f.DPI_SPEED));
  writes.push_back(NumberWrite(section, u"WHEEL_SPEED", f.WHEEL_SPEED));
  writes.push_back(NumberWrite(section, u"FIRE_TIME", f.FIRE_TIME));
}

std::u16string FactorySection(int32_t profile, int32_t languageFlag) {
  if (profile == 5 && languageFlag == 1) return u"CfgReset_EN5";
  return Numbered(u"CfgReset", profile);
}

std::u16string SectionToLoad(const ProfileModel& model, int32_t profile, bool factory) {
  return factory ? FactorySection(profile, model.LanguageFlag()) : ProfileSection(profile);
}

std::vector<std::u16string> ProfileKeys() {
  std::vector<std::u16string> keys;
  for (int slot = 1; slot <= kButtonSlotCount; ++slot) keys.push_back(Numbered(u"K", slot));
  for (auto key : {u"DPI_LEVEL", u"WHEEL_STATUS", u"MACRO_MODE2"}) keys.emplace_back(key);
  for (int level = 0; level < kDpiLevelCount; ++level) {
    keys.push_back(DpiKey(u"DPI_SET", level));
    keys.push_back(DpiKey(u"DPI_SET_EN", level));
  }
  for (auto key : {u"LED_STATUS", u"DPI_SPEED", u"WHEEL_SPEED", u"FIRE_TIME"}) keys.emplace_back(key);
  return keys;
}

}  // namespace

std::u16string ProfileSection(int32_t profile) { return Numbered(u"Config", profile); }

void LoadProfile(FileStore& files, ProfileModel& model, const std::filesystem::path& file, int32_t profile,
                 bool factory) {
  const std::u16string section = SectionToLoad(model, profile, factory);
  auto shortValue = [&](std::u16string_view key) { return ReadNumber(files, file, section, key, kShortBuffer); };
  auto longValue = [&](std::u16string_view key) { return ReadNumber(files, file, section, key, kLongBuffer); };

  ProfileFields f;
  for (int slot = 1; slot <= kButtonSlotCount; ++slot) f.K[slot - 1] = shortValue(Numbered(u"K", slot));
  f.WHEEL_STATUS = shortValue(u"WHEEL_STATUS");
  f.MACRO_MODE2 = shortValue(u"MACRO_MODE2");
  f.DPI_LEVEL = shortValue(u"DPI_LEVEL");
  for (int level = 0; level < kDpiLevelCount; ++level) {
    f.DPI_SET[level] = static_cast<uint8_t>(longValue(DpiKey(u"DPI_SET", level)));
    f.DPI_SET_EN[level] = longValue(DpiKey(u"DPI_SET_EN", level)) != 0 ? 1 : 0;
  }
  f.LED_STATUS = static_cast<uint8_t>(shortValue(u"LED_STATUS"));
  f.DPI_SPEED = static_cast<uint8_t>(shortValue(u"DPI_SPEED"));
  f.WHEEL_SPEED = static_cast<uint8_t>(shortValue(u"WHEEL_SPEED"));
  f.FIRE_TIME = shortValue(u"FIRE_TIME");
  model.Load(f);
}

void SelectProfile(FileStore& files, ProfileModel& model, const std::filesystem::path& config, int32_t profile) {
  model.SetCurConfig(profile);
  LoadProfile(files, model, config, profile, false);
}

bool HoldsProfile(FileStore& files, const ProfileModel& model, const std::filesystem::path& file, int32_t profile,
                  bool factory) {
  const std::u16string section = SectionToLoad(model, profile, factory);
  // One character is enough to tell a key that is there from one that is not.
  constexpr std::size_t kPresenceBuffer = 2;
  for (const std::u16string& key : ProfileKeys())
    if (!ReadProfileString(files, file, section, key, kPresenceBuffer).empty()) return true;
  return false;
}

bool SaveProfile(FileStore& files, const ProfileFields& fields, const std::filesystem::path& file, int32_t profile) {
  std::vector<ProfileWrite> writes;
  AddProfileWrites(writes, fields, profile);
  return WriteProfileStrings(files, file, writes);
}

bool SaveDpiLevel(FileStore& files, int32_t dpiLevel, const std::filesystem::path& file, int32_t profile) {
  return WriteProfileString(files, file, ProfileSection(profile), u"DPI_LEVEL", FormatDecimal(dpiLevel));
}

std::vector<ProfileWrite> AppliedProfileWrites(const ProfileFields& fields, int32_t curConfig) {
  std::vector<ProfileWrite> writes{NumberWrite(kInit, u"CurConfig", curConfig)};
  AddProfileWrites(writes, fields, kAppliedProfile);
  AddProfileWrites(writes, fields, curConfig);
  return writes;
}

bool SaveAppliedProfile(FileStore& files, const ProfileFields& fields, const std::filesystem::path& file,
                        int32_t curConfig) {
  return WriteProfileStrings(files, file, AppliedProfileWrites(fields, curConfig));
}

int32_t ReadCurConfig(FileStore& files, const std::filesystem::path& file) {
  return ReadNumber(files, file, kInit, u"CurConfig", kShortBuffer);
}

int32_t ReadLanguage(FileStore& files, const std::filesystem::path& file) {
  return ReadNumber(files, file, kInit, u"VER_SEL", kShortBuffer) & 0xFF;
}

bool WriteLanguage(FileStore& files, const std::filesystem::path& file, int32_t language) {
  return WriteProfileString(files, file, kInit, u"VER_SEL", FormatDecimal(language));
}

}  // namespace tx80
