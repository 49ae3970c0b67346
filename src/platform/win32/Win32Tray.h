#pragma once
#include "platform/Tray.h"

namespace tx80 {

class Win32Tray final : public Tray {
 public:
  bool Add(WindowHost& window, const TrayIcon& icon) override;
  void SetTip(WindowHost& window, const TrayIcon& icon) override;
  void Remove(WindowHost& window, const TrayIcon& icon) override;
  uint32_t ShellRestartMessage() override;
};

}  // namespace tx80
