#pragma once
#include <filesystem>
#include <mutex>
#include <string>

#include "app/SaveFailures.h"
#include "device/ApplyProfile.h"
#include "device/ButtonReportReader.h"
#include "device/DriverState.h"
#include "framework/MainWindowRef.h"
#include "functions/ElevatedTargets.h"
#include "functions/FunctionExecutor.h"
#include "macro/MacroStore.h"
#include "platform/Platform.h"
#include "profile/ProfileModel.h"
#include "ui/AssignList.h"
#include "ui/MainWindowState.h"

namespace tx80 {

// Where the program keeps its files: beside the program file, unless that
// folder cannot be written (PlaceSettings).
struct AppPaths {
  explicit AppPaths(std::filesystem::path directory);

  std::filesystem::path programFile;  // programDirectory / "TX80.exe" unless the backend knows better
  std::filesystem::path programDirectory;
  // The user's own application data (%APPDATA% on Windows); empty when unknown.
  std::filesystem::path userDataDirectory;
  // config.ini and the macro files: programDirectory, or userDataDirectory / "TX80".
  std::filesystem::path settingsDirectory;
  std::filesystem::path configPath;      // settingsDirectory / "config.ini"
  std::filesystem::path skinsDirectory;  // programDirectory / "skins", always
};

// One running program: the subsystems' state, composed, and the wiring
// between them. The application creates it once and passes it by reference;
// a test may create as many programs as it likes. It is what the driver
// tells (DriverEvents): it hands each event on to the main window's thread.
struct AppContext final : DriverEvents {
  AppContext(Platform& platform, std::filesystem::path programDirectory);

  Platform& platform;
  AppPaths paths;
  ProfileModel profile;
  MacroStore macros;
  DriverState driver{platform.hid, *this};
  MainWindowState ui{platform.images, platform.popupMenus};
  // The main window while it exists. Background threads use it only to ask
  // for a repaint or to post a message.
  MainWindowRef mainWindow;
  // After every save of a settings or macro file, from any thread: a failure
  // is posted to the main window, which tells the user once per file.
  SaveFailures saveFailures;
  // The programs the user was told cannot get the driver's input, and the one
  // the notice on its way to the main window names.
  ElevatedTargets elevatedTargets;
  std::mutex elevatedNoticeLock;
  std::u16string elevatedNoticeProgram;

  // What an apply works on.
  const ApplyTarget applyTarget{driver, profile, platform.files, paths.configPath, platform.systemMouse};
  // What the assignment lists work with.
  AssignListParts AssignLists();
  // The driver's two threads, as the start sequence runs them.
  ButtonReportReader Reader();
  FunctionExecutor Executor();
  // A blink thread for the start click, unless one runs.
  void StartBlinkThread();

  // DriverEvents, from any thread.
  void Repaint() override { mainWindow.Invalidate(); }
  void ShowNotice(OnScreenNotice notice) override;
  void TellElevatedTarget(std::u16string program) override;
  void ReportSave(const std::filesystem::path& file, bool saved) override;
  void AwaitingStartClick() override { StartBlinkThread(); }
};

}  // namespace tx80
