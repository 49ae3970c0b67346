#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string_view>

namespace fw {
class Dialog;
}

namespace tx80 {

class Dialogs;
class FileStore;
class ProfileModel;
class SaveReporter;
class Shell;
class WindowHost;

// What the shared elements of the main window do to the profiles: select,
// revert to the one applied, import, export, reset, and the user guide beside
// them. UI thread only.
class ProfileActions {
 public:
  // What the actions work with, wired by the main window; the last three are
  // what they set off beyond the profiles.
  struct Uses {
    fw::Dialog& mainWindow;  // owner of the dialogs, repainted after a change
    ProfileModel& profile;
    std::mutex& profileOperation;
    FileStore& files;
    Dialogs& dialogs;
    Shell& shell;
    SaveReporter& saves;
    const std::filesystem::path& programDirectory;
    const std::filesystem::path& configPath;
    // Sends the current profile to the mouse: a reset ends with it.
    std::function<void()> apply;
    // The default macros replace the user's: part of a reset.
    std::function<void()> resetMacros;
    // Shows the warning with this message; true when the user goes on.
    std::function<bool(std::u16string_view message)> warn;
  };

  explicit ProfileActions(Uses uses) : uses_(std::move(uses)) {}

  // Profile n becomes the current one, loaded from config.ini; unapplied
  // edits are dropped. The mouse keeps what it has until the next apply.
  void SelectProfile(int32_t profile);
  // The close element: keeps the DPI level the mouse's buttons may have
  // changed in [Config6] and returns to that profile (the one the mouse has).
  // CurConfig stays.
  void RevertToActive();
  // [Config7] of a file the user picks replaces the profile in memory; a file
  // without one changes nothing and says so. A profile without a left click
  // or without a DPI level on is imported only when the user goes on at the
  // warning, with button 1 as the left click and the level in use on.
  void ImportProfile();
  // The profile in memory, unapplied edits included, into [Config7] of a file
  // the user picks.
  void ExportProfile();
  // After the user confirms: the five profiles and the macros back to their
  // factory settings, then applied.
  void ResetProfiles();
  // The user guide shipped beside the program, in the user's browser.
  void OpenUserGuide();

 private:
  WindowHost* Window() const;
  void Repaint();

  Uses uses_;
};

}  // namespace tx80
