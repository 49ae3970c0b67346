#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>

namespace tx80 {

class FileStore;
class ProfileModel;
class SaveReporter;

// What follows a change of the interface language, in this order, wired by
// the main window. Each step reads the language from the profile model.
struct LanguageSwitchSteps {
  // The four layout files of the language (main, color, advanced, warning)
  // and the pictures, read again. False when a file is missing: the program
  // has then run its closing sequence, and nothing more is done.
  std::function<bool()> reloadSkin;
  // The language's macro file replaces the macros (unsaved macro edits are
  // dropped); the macro page's list follows while it is shown.
  std::function<void()> reloadMacros;
  // The popup menus and the main window's caption.
  std::function<void()> reloadMenusAndCaption;
};

// The interface takes `language` (0 Chinese, 1 English) at once and keeps it
// for the next start ([Init] VER_SEL), then `steps` follow. Switching to the
// language shown reloads all the same. The profile, CurConfig, the mouse and
// the window's outline stay. UI thread only.
void SwitchLanguage(ProfileModel& profile, FileStore& files, const std::filesystem::path& configPath,
                    SaveReporter& saves, const LanguageSwitchSteps& steps, int32_t language);

}  // namespace tx80
