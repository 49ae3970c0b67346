#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "ui/SkinFields.h"
#include "ui/SkinTables.h"

namespace tx80 {

class Dialogs;
class FileStore;
class WindowHost;

// The four layout files of a language.
enum class SkinFile { Main, Advanced, Color, Warning };

// SkinsDirectory + "\INI_EN\skin_main_en.ini" and so on: INI_EN and the "_en"
// names while languageFlag is nonzero, INI_CN and the plain names otherwise.
std::filesystem::path SkinFilePath(const std::filesystem::path& skinsDirectory, SkinFile file,
                                   int32_t languageFlag);

// What the loaders need from the program: where the skins lie, the language,
// how to tell the user about a missing or malformed file, and the files.
struct SkinLoadContext {
  std::filesystem::path skinsDirectory;
  int32_t languageFlag = 0;
  Dialogs& dialogs;
  FileStore& files;
  WindowHost* owner = nullptr;  // owner of the message boxes (the main window)
  std::u16string caption;       // caption of the message boxes
  // The main window's closing sequence, run after a missing file was reported.
  std::function<void()> runClosingSequence;
};

// Key n of the section, read into the 260-character buffer of the skin readers
// and split into fields. A value with more than six commas shows "加载ini错误！"
// and is still used.
SkinFields ReadSkinValue(const SkinLoadContext& context, const std::filesystem::path& file,
                         std::u16string_view section, int n);

// Each loader reads every key of its range in increasing order into the entry
// of the same number. A missing file shows "找不到配置文件" once, runs the
// closing sequence and leaves the loader's entries empty.

// BUTTONPOS 0..99 into MainItems, then FUN_STRING 1..54 into FunctionNames.
void LoadMainSkin(const SkinLoadContext& context, SkinTables& tables);
// BUTTONPOS 0..45 into AdvancedItems; EDIT 3, EDIT 4, MACRODISPLAY 1, 2 into ControlRects.
void LoadAdvancedSkin(const SkinLoadContext& context, SkinTables& tables);
// BUTTONPOS 0..12 into ColorItems.
void LoadColorSkin(const SkinLoadContext& context, SkinTables& tables);
// BUTTONPOS 0..2 into WarningItems.
void LoadWarningSkin(const SkinLoadContext& context, SkinTables& tables);
// Main, color, advanced, warning: what a language switch reloads.
void LoadSkins(const SkinLoadContext& context, SkinTables& tables);

}  // namespace tx80
