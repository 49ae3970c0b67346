// The program's entry point: builds the Win32 seams and hands them to the
// application object.
#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <string>

#include "app/AppContext.h"
#include "app/CNRV_VIruviApp.h"
#include "platform/Platform.h"
#include "platform/win32/Win32AutoStart.h"
#include "platform/win32/Win32ChildControls.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Console.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileStore.h"
#include "platform/win32/Win32ForegroundWatch.h"
#include "platform/win32/Win32HidBus.h"
#include "platform/win32/Win32ImageLoader.h"
#include "platform/win32/Win32InputInjector.h"
#include "platform/win32/Win32KeyboardHook.h"
#include "platform/win32/Win32OnScreenDisplay.h"
#include "platform/win32/Win32PopupMenus.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SingleInstance.h"
#include "platform/win32/Win32SystemMouse.h"
#include "platform/win32/Win32Threads.h"
#include "platform/win32/Win32Tray.h"
#include "platform/win32/Win32WindowSystem.h"
#include "platform/win32/WideText.h"

namespace {

// The program file's full path.
std::wstring ProgramFile() {
  // MAX_PATH first; a program placed deeper gets a larger buffer rather than a
  // cut path that would point at some other folder.
  std::wstring file(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
    if (length < file.size()) {
      file.resize(length);
      return file;
    }
    file.resize(file.size() * 2);
  }
}

// The program file's directory without its trailing backslash: config.ini,
// the macro files and the skins lie beside the program.
std::filesystem::path ProgramDirectory(std::wstring file) {
  const size_t backslash = file.rfind(L'\\');
  if (backslash != std::wstring::npos) file.resize(backslash);
  return std::filesystem::path(file);
}

}  // namespace

// The user's roaming application data folder (%APPDATA%); empty when the
// system cannot say.
std::filesystem::path UserDataDirectory() {
  PWSTR folder = nullptr;
  std::filesystem::path path;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder))) path = folder;
  CoTaskMemFree(folder);
  return path;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  tx80::Win32Clock clock;
  tx80::Win32Dialogs dialogs;
  tx80::Win32HidBus hid;
  tx80::Win32InputInjector input;
  tx80::Win32SingleInstance singleInstance;
  tx80::Win32SystemMouse systemMouse;
  tx80::Win32Threads threads;
  tx80::Win32Tray tray;
  tx80::Win32WindowSystem windows;
  tx80::Win32ChildControls childControls;
  tx80::Win32KeyboardHook keyboardHook;
  tx80::Win32PopupMenus popupMenus;
  tx80::Win32Shell shell;
  tx80::Win32ImageLoader images;
  tx80::Win32FileStore files{clock};
  tx80::Win32AutoStart autoStart;
  tx80::Win32OnScreenDisplay onScreenDisplay;
  tx80::Win32ForegroundWatch foreground;
  tx80::Win32Console console;
  tx80::Platform platform{
      .clock = clock,
      .dialogs = dialogs,
      .hid = hid,
      .input = input,
      .singleInstance = singleInstance,
      .systemMouse = systemMouse,
      .threads = threads,
      .tray = tray,
      .windows = windows,
      .childControls = childControls,
      .keyboardHook = keyboardHook,
      .popupMenus = popupMenus,
      .shell = shell,
      .images = images,
      .files = files,
      .autoStart = autoStart,
      .onScreenDisplay = onScreenDisplay,
      .foreground = foreground,
      .console = console,
  };

  const std::wstring programFile = ProgramFile();
  tx80::AppContext context(platform, ProgramDirectory(programFile));
  context.paths.programFile = programFile;
  context.paths.userDataDirectory = UserDataDirectory();
  tx80::CNRV_VIruviApp app(context, tx80::FromWide(commandLine ? commandLine : L""));
  app.InitInstance();
  // The background threads are never stopped and use the objects above: end the
  // process here, which stops them first, instead of unwinding under them.
  ExitProcess(static_cast<UINT>(app.ExitCode()));
}
