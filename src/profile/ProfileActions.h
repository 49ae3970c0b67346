#pragma once
#include <cstdint>
#include <functional>

namespace fw {
class Dialog;
}

namespace tx80 {

struct AppContext;
class MacroPage;
class WindowHost;

// What releasing the left button over a shared element of the main window
// does (every page shows them): apply, the five profiles, close, minimise,
// hide, import, export, reset, the two languages and the user guide. UI thread only.
class ProfileActions {
 public:
  // `hideToTray` hides the main window (the close and tray elements);
  // `switchLanguage` switches the interface to 0 Chinese or 1 English (the
  // language elements).
  ProfileActions(fw::Dialog& mainWindow, AppContext& context, MacroPage& macroPage, std::function<void()> hideToTray,
                 std::function<void(int32_t)> switchLanguage);

  // WM_LBUTTONUP at (x, y), client coordinates: acts on the shared element
  // under the pointer now, whichever element the button went down on.
  void MainClickRelease(int x, int y);

  // Profile n becomes the current one, loaded from config.ini; unapplied
  // edits are dropped. The mouse keeps what it has until the next apply.
  void SelectProfile(int32_t profile);
  // The close element: keeps the DPI level the mouse's buttons may have
  // changed in [Config6], returns to that profile (the one the mouse has) and
  // hides the window. CurConfig stays.
  void RevertToActive();
  // [Config7] of a file the user picks replaces the profile in memory; a file
  // without one changes nothing and says so.
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

  fw::Dialog& mainWindow_;
  AppContext& context_;
  MacroPage& macroPage_;
  std::function<void()> hideToTray_;
  std::function<void(int32_t)> switchLanguage_;
};

}  // namespace tx80
