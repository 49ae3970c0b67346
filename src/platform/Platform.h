#pragma once

#include "platform/AutoStart.h"
#include "platform/ChildControls.h"
#include "platform/Clock.h"
#include "platform/Console.h"
#include "platform/Dialogs.h"
#include "platform/FileStore.h"
#include "platform/ForegroundWatch.h"
#include "platform/HidBus.h"
#include "platform/ImageLoader.h"
#include "platform/InputInjector.h"
#include "platform/KeyboardHook.h"
#include "platform/OnScreenDisplay.h"
#include "platform/PopupMenus.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/SystemMouse.h"
#include "platform/Threads.h"
#include "platform/Tray.h"
#include "platform/WindowSystem.h"

namespace tx80 {

// The operating system as the program sees it: one object per seam, supplied
// by a backend (Win32 or simulated) and passed to the program at construction.
struct Platform {
  Clock& clock;
  Dialogs& dialogs;
  HidBus& hid;
  InputInjector& input;
  SingleInstance& singleInstance;
  SystemMouse& systemMouse;
  Threads& threads;
  Tray& tray;
  WindowSystem& windows;
  ChildControls& childControls;
  KeyboardHook& keyboardHook;
  PopupMenus& popupMenus;
  Shell& shell;
  ImageLoader& images;
  FileStore& files;
  AutoStart& autoStart;
  OnScreenDisplay& onScreenDisplay;
  ForegroundWatch& foreground;
  Console& console;
};

}  // namespace tx80
