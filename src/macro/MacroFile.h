#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/PrivateProfile.h"
#include "macro/Macro.h"
#include "profile/Captions.h"

namespace tx80 {

class Dialogs;
class FileStore;
class MacroStore;
class WindowHost;

// The message shown when a macro file is missing, captioned kMessageCaption.
inline constexpr std::u16string_view kMacroFileMissingMessage = u"找不到配置文件";

// The macro file of the interface language (nonzero: English), in the
// settings folder (beside config.ini).
std::filesystem::path MacroFilePath(const std::filesystem::path& settingsDirectory, int32_t languageFlag);
// The default macros of the interface language, shipped with the skin.
std::filesystem::path DefaultMacroFilePath(const std::filesystem::path& skinsDirectory, int32_t languageFlag);

// Replaces the store's macros with those of the macro file at `path` (section
// "Macros": "macroNum", then keys "0".."n-1"). A missing file shows
// "找不到配置文件" owned by `owner` and leaves an empty store. A "macroNum"
// above 12 loads the first 12 macros, a negative one none. Slots beyond the
// loaded count keep what they held. Runs on the UI thread.
void LoadMacroFile(FileStore& files, MacroStore& store, const std::filesystem::path& path, Dialogs& dialogs,
                   WindowHost* owner);

// The macros of the macro file at `path` as LoadMacroFile reads them (none
// when it is missing).
std::vector<Macro> ReadMacroFile(FileStore& files, const std::filesystem::path& path);

// The writes of a macro file holding `macros`: "macroNum", then one key per
// macro, into `section` (a settings backup keeps both languages' files in one).
std::vector<ProfileWrite> MacroFileWrites(std::span<const Macro> macros, std::u16string_view section = u"Macros");

// Writes "macroNum" and one key per macro, as one replacement of the file.
// Keys of higher indexes left by an earlier, larger store stay in the file;
// readers ignore them. False when the file could not be written (the caller
// reports it).
bool SaveMacroFile(FileStore& files, const MacroStore& store, const std::filesystem::path& path);

// One macro as the file stores it: the 1064 record bytes as three-digit decimal
// fields, 3192 characters, each event slot's code and action followed by its
// delay (the record keeps events and delays apart).
std::u16string EncodeMacroValue(const Macro& macro);
// The reverse, as the loader reads it: field j is the text at 3j..3j+2, an
// absent or short field reads as its decimal prefix (0 when none), and each
// value keeps its low 8 bits.
Macro DecodeMacroValue(std::u16string_view value);
// Whether the value is one macro as EncodeMacroValue writes it: 1064 fields
// of three digits, none above 255. The loader reads anything; a restore of
// saved settings takes only what it would give back unchanged.
bool IsWholeMacroValue(std::u16string_view value);

}  // namespace tx80
