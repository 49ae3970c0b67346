#pragma once
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimControls.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDriverSeams.h"
#include "platform/sim/SimFileStore.h"
#include "platform/sim/SimHidBus.h"
#include "platform/sim/SimInputInjector.h"
#include "platform/sim/JpegImageLoader.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimKeyboardHook.h"
#include "platform/sim/SimPopupMenus.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

// Message boxes are recorded, never shown.
class SimDialogs : public Dialogs {
 public:
  struct Shown {
    std::u16string text;
    std::u16string caption;
    bool owned;
  };
  void MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
  std::vector<Shown> Messages() const;

  // Questions answer with the next of yesNoAnswers (none left: No) and are
  // recorded.
  bool AskYesNo(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
  std::vector<Shown> Questions() const;
  std::deque<bool> yesNoAnswers;

  // File dialogs answer with the next of fileChoices (none left, or an empty
  // entry: the user cancelled) and are recorded.
  std::optional<std::filesystem::path> OpenFile(WindowHost* owner, const FileDialogOptions& options) override;
  std::optional<std::filesystem::path> SaveFile(WindowHost* owner, const FileDialogOptions& options) override;
  struct FileDialogShown {
    bool save;
    std::u16string filter;
    std::filesystem::path initialDirectory;
    std::u16string defaultExtension;
  };
  std::vector<FileDialogShown> FileDialogs() const;
  std::deque<std::optional<std::filesystem::path>> fileChoices;

 private:
  std::optional<std::filesystem::path> ChooseFile(bool save, const FileDialogOptions& options);
  mutable std::mutex mutex_;
  std::vector<Shown> shown_;
  std::vector<Shown> questions_;
  std::vector<FileDialogShown> fileDialogs_;
};

class SimSingleInstance : public SingleInstance {
 public:
  explicit SimSingleInstance(SimDesktop& desktop) : desktop_(desktop) {}
  bool AlreadyRunning(std::u16string_view mutexName) override;
  bool RestoreWindow(std::u16string_view caption) override;
  void Release() override;

 private:
  SimDesktop& desktop_;
  std::u16string held_;
};

// Threads are kept, not started: tests drive the loops step by step, or run a
// kept body on a thread of their own.
class SimThreads : public Threads {
 public:
  struct Kept {
    std::function<void()> body;
    ThreadPriority priority;
  };
  void Start(std::function<void()> body, ThreadPriority priority) override;
  void CreateNamedEvent(std::u16string_view name) override;
  std::vector<Kept> Started() const;
  std::vector<std::u16string> NamedEvents() const;

 private:
  mutable std::mutex mutex_;
  std::vector<Kept> started_;
  std::vector<std::u16string> events_;
};

// The notification area as one program sees it: its icon and every call
// made, in order.
class SimTray : public Tray {
 public:
  static constexpr uint32_t kShellRestartMessage = 0xC0DE;  // a registered message's range
  explicit SimTray(SimDesktop& desktop) : desktop_(desktop) {}

  void Add(WindowHost& window, const TrayIcon& icon) override;
  void Remove(WindowHost& window, const TrayIcon& icon) override;
  uint32_t ShellRestartMessage() override { return kShellRestartMessage; }

  bool IconShown() const;
  int Removals() const;
  struct Call {
    bool add;  // false: a removal
    std::u16string tip;
    WindowHost* window;
    bool windowShown;  // the window was on screen when the call came
  };
  std::vector<Call> Calls() const;
  // The shell starts afresh: the icon is gone, and ShellRestartMessage is
  // posted to every window of the desktop.
  void RestartShell();

 private:
  SimDesktop& desktop_;
  mutable std::mutex mutex_;
  bool shown_ = false;
  std::vector<Call> calls_;
};

// One program's simulated operating system, on a desktop it may share with
// other programs.
class SimPlatform {
 public:
  explicit SimPlatform(SimDesktop& desktop);

  SimDesktop& desktop;
  SimClock clock;
  SimDialogs dialogs;
  SimHidBus hid;
  SimInputInjector input;
  SimSingleInstance singleInstance;
  SimThreads threads;
  SimTray tray;
  SimWindowSystem windows;
  SimChildControls childControls;
  SimKeyboardHook keyboardHook;
  SimPopupMenus popupMenus;
  SimShell shell;
  JpegImageLoader images;
  SimFileStore files{clock};
  SimAutoStart autoStart;
  SimOnScreenDisplay onScreenDisplay;
  SimForegroundWatch foreground;
  Platform platform;
};

}  // namespace tx80
