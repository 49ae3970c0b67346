#include "ui/SkinLoader.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "framework/Decimal.h"
#include "framework/PrivateProfile.h"
#include "platform/Dialogs.h"

namespace tx80 {

namespace {

// The skin readers read every value into a buffer of this many characters,
// terminator included.
constexpr std::size_t kSkinValueBuffer = 260;

constexpr std::u16string_view kMissingFileMessage = u"找不到配置文件";
constexpr std::u16string_view kMalformedValueMessage = u"加载ini错误！";

constexpr std::u16string_view kButtonPos = u"BUTTONPOS";

// x + width without overflow, kept within the range of a rectangle edge.
int EdgeAfter(int32_t origin, int32_t extent) {
  const int64_t edge = int64_t{origin} + extent;
  return static_cast<int>(std::clamp<int64_t>(edge, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

// Checks that the file exists; if not, tells the user once and runs the
// closing sequence. Loading goes on either way (every value then reads empty).
void CheckSkinFile(const SkinLoadContext& context, const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::is_regular_file(file, error)) return;
  context.dialogs.MessageBox(context.owner, kMissingFileMessage, context.caption);
  if (context.runClosingSequence) context.runClosingSequence();
}

SkinItem ToSkinItem(const SkinFields& fields) {
  return {ParseDecimal(fields[1]), ParseDecimal(fields[2]), ParseDecimal(fields[3]),
          ParseDecimal(fields[4]), fields[5]};
}

template <std::size_t N>
void LoadButtonPositions(const SkinLoadContext& context, const std::filesystem::path& file,
                         std::array<SkinItem, N>& items) {
  for (std::size_t n = 0; n < N; ++n)
    items[n] = ToSkinItem(ReadSkinValue(context, file, kButtonPos, static_cast<int>(n)));
}

fw::Rect ReadControlRect(const SkinLoadContext& context, const std::filesystem::path& file,
                         std::u16string_view section, int n) {
  const SkinItem item = ToSkinItem(ReadSkinValue(context, file, section, n));
  return {item.x, item.y, EdgeAfter(item.x, item.width), EdgeAfter(item.y, item.height)};
}

}  // namespace

std::filesystem::path SkinFilePath(const std::filesystem::path& skinsDirectory, SkinFile file,
                                   int32_t languageFlag) {
  const bool english = languageFlag != 0;
  const char* name = "";
  switch (file) {
    case SkinFile::Main: name = english ? "skin_main_en.ini" : "skin_main.ini"; break;
    case SkinFile::Advanced: name = english ? "skin_advance_en.ini" : "skin_advance.ini"; break;
    case SkinFile::Color: name = english ? "skin_color_en.ini" : "skin_color.ini"; break;
    case SkinFile::Warning: name = english ? "LBWarning_en.ini" : "LBWarning.ini"; break;
  }
  return skinsDirectory / (english ? "INI_EN" : "INI_CN") / name;
}

SkinFields ReadSkinValue(const SkinLoadContext& context, const std::filesystem::path& file,
                         std::u16string_view section, int n) {
  const std::u16string value = ReadProfileString(context.files, file, section, FormatDecimal(n), kSkinValueBuffer);
  if (HasTooManyCommas(value)) context.dialogs.MessageBox(context.owner, kMalformedValueMessage, context.caption);
  return SplitSkinFields(value);
}

void LoadMainSkin(const SkinLoadContext& context, SkinTables& tables) {
  const auto file = SkinFilePath(context.skinsDirectory, SkinFile::Main, context.languageFlag);
  CheckSkinFile(context, file);
  LoadButtonPositions(context, file, tables.MainItems);
  for (std::size_t k = 1; k < kFunctionNameCount; ++k)
    tables.FunctionNames[k] = ReadSkinValue(context, file, u"FUN_STRING", static_cast<int>(k))[0];
}

void LoadAdvancedSkin(const SkinLoadContext& context, SkinTables& tables) {
  const auto file = SkinFilePath(context.skinsDirectory, SkinFile::Advanced, context.languageFlag);
  CheckSkinFile(context, file);
  LoadButtonPositions(context, file, tables.AdvancedItems);
  tables.ControlRects[kRepeatCountEditRect] = ReadControlRect(context, file, u"EDIT", 3);
  tables.ControlRects[kMacroNameEditRect] = ReadControlRect(context, file, u"EDIT", 4);
  tables.ControlRects[kMacroListRect] = ReadControlRect(context, file, u"MACRODISPLAY", 1);
  tables.ControlRects[kEventListRect] = ReadControlRect(context, file, u"MACRODISPLAY", 2);
}

void LoadColorSkin(const SkinLoadContext& context, SkinTables& tables) {
  const auto file = SkinFilePath(context.skinsDirectory, SkinFile::Color, context.languageFlag);
  CheckSkinFile(context, file);
  LoadButtonPositions(context, file, tables.ColorItems);
}

void LoadWarningSkin(const SkinLoadContext& context, SkinTables& tables) {
  const auto file = SkinFilePath(context.skinsDirectory, SkinFile::Warning, context.languageFlag);
  CheckSkinFile(context, file);
  LoadButtonPositions(context, file, tables.WarningItems);
}

void LoadSkins(const SkinLoadContext& context, SkinTables& tables) {
  LoadMainSkin(context, tables);
  LoadColorSkin(context, tables);
  LoadAdvancedSkin(context, tables);
  LoadWarningSkin(context, tables);
}

}  // namespace tx80
