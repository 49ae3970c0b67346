#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>

#include "ui/SkinLoader.h"

namespace fw {
class Dialog;
}

namespace tx80 {

struct AppContext;
class MacroPage;

// The macro file of the interface language (nonzero: English), in the program
// directory.
std::filesystem::path MacroFilePath(const std::filesystem::path& programDirectory, int32_t languageFlag);

// What a language switch changes beyond the program's state: the main window's
// caption, and the macro page's list while the page is shown.
struct LanguageSwitchTarget {
  fw::Dialog& mainWindow;
  MacroPage& macroPage;
  // How the main window loads its skin files, for the language now set (a
  // missing file runs its closing sequence).
  std::function<SkinLoadContext()> skinContext;
};

// The interface takes `language` (0 Chinese, 1 English) at once and keeps it
// for the next start: [Init] VER_SEL is written, the four layout files of the
// language are read (main, color, advanced, warning) and the pictures read
// again, the language's macro file replaces the macros (unsaved macro edits
// are dropped), the macro page's list follows while it is shown, the popup
// menus and the caption change. Switching to the language shown reloads all
// the same. The profile, CurConfig, the mouse and the window's outline stay.
// UI thread only.
void SwitchLanguage(AppContext& context, const LanguageSwitchTarget& target, int32_t language);

}  // namespace tx80
