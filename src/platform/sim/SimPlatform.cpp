#include "platform/sim/SimPlatform.h"

namespace tx80 {

SimPlatform::SimPlatform(SimDesktop& desktop_)
    : desktop(desktop_),
      input(clock),
      singleInstance(desktop_),
      tray(desktop_),
      windows(desktop_),
      keyboardHook(desktop_, clock),
      platform{clock, dialogs, hid, input, singleInstance, desktop_.systemMouse, threads, tray, windows,
               childControls, keyboardHook, popupMenus, shell, images, files, autoStart, onScreenDisplay, foreground,
               console} {}

}  // namespace tx80
