#pragma once
#include <cstdint>

#include "app/commands/DriverCommands.h"

namespace fw {
class Dialog;
}

namespace tx80 {

struct AppContext;

// "Back up settings…" and "Restore settings…" of the tray menu (the same ids
// in both languages): a file dialog, then what /backup and /restore do, and
// their outcome in a message box. UI thread only.
class BackupMenuCommands {
 public:
  static constexpr uint32_t kBackUpSettings = 32843;
  static constexpr uint32_t kRestoreSettings = 32844;

  BackupMenuCommands(AppContext& context, fw::Dialog& mainWindow, ReloadSettings reloadSettings)
      : context_(context), mainWindow_(mainWindow), reloadSettings_(std::move(reloadSettings)) {}

  // False for other commands.
  bool OnCommand(uint32_t id);

 private:
  void CarryOut(const Command& command);

  AppContext& context_;
  fw::Dialog& mainWindow_;
  ReloadSettings reloadSettings_;
};

}  // namespace tx80
