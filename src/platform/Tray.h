#pragma once
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
  virtual void Add(WindowHost& window, const TrayIcon& icon) = 0;
  // Removing an icon that is not there is harmless.
  virtual void Remove(WindowHost& window, const TrayIcon& icon) = 0;
};

}  // namespace tx80
