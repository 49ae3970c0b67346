#pragma once
#include <atomic>
#include <filesystem>
#include <mutex>

#include "app/SaveFailures.h"
#include "device/CommandReport.h"
#include "device/DeviceLink.h"
#include "device/DriverFlags.h"
#include "device/PendingSystemMouse.h"
#include "macro/MacroStore.h"
#include "platform/Platform.h"
#include "profile/ProfileModel.h"
#include "ui/AssignMenuState.h"
#include "ui/HitTest.h"
#include "ui/ProgramMenus.h"
#include "ui/SkinPictureCache.h"
#include "ui/SkinTables.h"
#include "ui/WindowShape.h"

namespace tx80 {

// The main window as the other threads see it: set when the window exists and
// cleared the moment it is destroyed, so that a late request from a background
// thread reaches no window (and never a host that is gone).
class MainWindowRef {
 public:
  void Set(WindowHost* host);
  void Clear() { Set(nullptr); }
  // Requests a repaint of the whole window; nothing once it is gone.
  void Invalidate();
  // Posts a message to the window; nothing once it is gone.
  void Post(uint32_t id, uintptr_t wParam, intptr_t lParam);

 private:
  std::mutex mutex_;
  WindowHost* host_ = nullptr;
};

// Where the program keeps its files: all beside the program file.
struct AppPaths {
  std::filesystem::path programFile;       // programDirectory / "TX80.exe" unless the backend knows better
  std::filesystem::path programDirectory;
  std::filesystem::path configPath;      // programDirectory / "config.ini"
  std::filesystem::path skinsDirectory;  // programDirectory / "skins"
  std::filesystem::path macroFilePath;   // "Macro_EN.dat" or "Macro_CN.dat" by language
};

// The state of one running program. The application creates it once and
// passes it by reference; a test may create as many programs as it likes.
struct AppContext {
  AppContext(Platform& platform, std::filesystem::path programDirectory);

  Platform& platform;
  AppPaths paths;
  ProfileModel profile;
  DriverFlags flags;
  MacroStore macros;
  SkinTables skin;
  // The skin's decoded pictures; cleared whenever the skin is reloaded.
  SkinPictureCache pictures{platform.images};
  MainWindowShape shape;
  HoverState hover;
  AssignMenuState assignMenu;
  DeviceLink device;
  CommandReport commands{platform.hid, device};
  // The event list's and the tray icon's menus of the interface language.
  ProgramMenus menus{platform.popupMenus};

  // Whole-profile operations that load, save and send (apply, the next-profile
  // and DPI buttons) come from two threads; one at a time keeps the mouse, the
  // model and config.ini in step. Nothing that waits on a window runs under it.
  std::recursive_mutex profileOperation;
  // What the last apply asks of the system mouse settings, set outside that lock.
  PendingSystemMouse pendingSystemMouse;

  // After every save of a settings or macro file, from any thread: a failure
  // is posted to the main window, which tells the user once per file.
  SaveFailures saveFailures;
  void ReportSave(const std::filesystem::path& file, bool saved);

  // The main window while it exists. Background threads use it only to ask
  // for a repaint or to post a message.
  MainWindowRef mainWindow;
  void RepaintMainWindow() { mainWindow.Invalidate(); }

  // The background loops end when this is set. The program itself never sets
  // it (process exit ends them); tests do, to end the loops they started. A
  // reader blocked in its read also needs its device to go away.
  std::atomic<bool> stopping{false};
  void RequestStop();
};

}  // namespace tx80
