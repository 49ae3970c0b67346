#pragma once
#include <cstdint>
#include <string>

namespace tx80 {

class WindowHost;

// The notification-area icon of the main window.
struct TrayIcon {
  static constexpr unsigned kId = 153;
  static constexpr unsigned kCallbackMessage = 0x0400 + 1;  // WM_USER + 1
  std::u16string tip;
};

class Tray {
 public:
  virtual ~Tray() = default;
  // Puts the icon in the notification area; the shell then reports the
  // pointer's messages over it to `window` with TrayIcon::kCallbackMessage.
  // False when the shell did not take it: while it starts, or busy, it gives
  // up after a few seconds, or is not there yet at all.
  virtual bool Add(WindowHost& window, const TrayIcon& icon) = 0;
  // Gives the icon that is there another tip.
  virtual void SetTip(WindowHost& window, const TrayIcon& icon) = 0;
  // Removing an icon that is not there is harmless.
  virtual void Remove(WindowHost& window, const TrayIcon& icon) = 0;
  // The message the shell sends every top-level window when it has started
  // afresh and shows no icon of anyone (after it crashed or was restarted).
  // The same id for the life of the program; asked once at start-up. It
  // reaches the program even when it runs elevated.
  virtual uint32_t ShellRestartMessage() = 0;
};

}  // namespace tx80
