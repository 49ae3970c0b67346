#include "profile/ProgramOptions.h"

#include "framework/Decimal.h"
#include "framework/PrivateProfile.h"

namespace tx80 {

namespace {
constexpr std::u16string_view kOptions = u"Options";
constexpr std::u16string_view kOnScreenDisplay = u"ON_SCREEN_DISPLAY";
constexpr std::size_t kBuffer = 5;
}  // namespace

bool ReadOnScreenDisplayOption(FileStore& files, const std::filesystem::path& config) {
  const std::u16string value = ReadProfileString(files, config, kOptions, kOnScreenDisplay, kBuffer);
  return value.empty() || ParseDecimal(value) != 0;
}

bool WriteOnScreenDisplayOption(FileStore& files, const std::filesystem::path& config, bool on) {
  return WriteProfileString(files, config, kOptions, kOnScreenDisplay, on ? u"1" : u"0");
}

}  // namespace tx80
