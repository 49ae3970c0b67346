#pragma once
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "framework/Message.h"
#include "framework/ProgramMessages.h"

namespace tx80 {

class Dialogs;
class WindowHost;


// Files the program could not save, told to the user once each: a file stays
// reported until a save of it succeeds again, so a DPI button pressed ten
// times over a read-only config.ini gives one message, not ten.
class SaveFailures {
 public:
  // After every save, from any thread. True when the failure is new and the
  // UI thread must be woken to show it.
  bool Record(const std::filesystem::path& file, bool saved);
  // On the UI thread: the files to tell the user about now.
  std::vector<std::filesystem::path> TakeUnshown();

 private:
  std::mutex mutex_;
  std::set<std::filesystem::path> failed_;
  std::vector<std::filesystem::path> unshown_;
};

// The message naming the file, in the interface language (LanguageFlag
// nonzero English, zero Chinese).
std::u16string SaveFailedMessage(int32_t languageFlag, const std::filesystem::path& file);

// On the UI thread, for kSaveFailedMessage: one message box per file not yet
// shown, owned by `owner`; the program goes on.
void ShowSaveFailures(SaveFailures& failures, Dialogs& dialogs, WindowHost* owner, int32_t languageFlag);

}  // namespace tx80
