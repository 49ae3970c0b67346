#include "app/commands/BackupMenuCommands.h"

#include "app/AppContext.h"
#include "framework/Dialog.h"
#include "platform/Dialogs.h"
#include "profile/Captions.h"

namespace tx80 {

namespace {
constexpr std::u16string_view kBackupFilter = u"Settings backup(*.ini)|*.ini||";
constexpr std::u16string_view kBackupExtension = u"ini";
}  // namespace

bool BackupMenuCommands::OnCommand(uint32_t id) {
  if (id != kBackUpSettings && id != kRestoreSettings) return false;
  Dialogs& dialogs = context_.platform.dialogs;
  const FileDialogOptions options{kBackupFilter, context_.paths.settingsDirectory, kBackupExtension};
  const auto file = id == kBackUpSettings ? dialogs.SaveFile(&mainWindow_.Host(), options)
                                          : dialogs.OpenFile(&mainWindow_.Host(), options);
  if (!file) return true;  // cancelled
  CarryOut({id == kBackUpSettings ? Command::Kind::Backup : Command::Kind::Restore, 0, file->u16string()});
  return true;
}

void BackupMenuCommands::CarryOut(const Command& command) {
  std::u16string text = CarryOutCommand(context_, command, reloadSettings_).output;
  while (!text.empty() && text.back() == u'\n') text.pop_back();
  // A restore that switched the language has replaced nothing of this window.
  if (mainWindow_.HasWindow()) context_.platform.dialogs.MessageBox(&mainWindow_.Host(), text, kMessageCaption);
}

}  // namespace tx80
