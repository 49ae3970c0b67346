#pragma once

#include "platform/Platform.h"
#include "platform/sim/JpegImageLoader.h"
#include "platform/sim/SimAutoStart.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimConsole.h"
#include "platform/sim/SimControls.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDialogs.h"
#include "platform/sim/SimFileStore.h"
#include "platform/sim/SimForegroundWatch.h"
#include "platform/sim/SimHidBus.h"
#include "platform/sim/SimInputInjector.h"
#include "platform/sim/SimKeyboardHook.h"
#include "platform/sim/SimOnScreenDisplay.h"
#include "platform/sim/SimPopupMenus.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSingleInstance.h"
#include "platform/sim/SimThreads.h"
#include "platform/sim/SimTray.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

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
  SimConsole console;
  Platform platform;
};

}  // namespace tx80
