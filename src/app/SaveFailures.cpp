#include "app/SaveFailures.h"

#include <utility>

#include "profile/Captions.h"
#include "platform/Dialogs.h"

namespace tx80 {

bool SaveFailures::Record(const std::filesystem::path& file, bool saved) {
  std::lock_guard lock(mutex_);
  if (saved) {
    failed_.erase(file);
    return false;
  }
  if (!failed_.insert(file).second) return false;
  unshown_.push_back(file);
  return true;
}

std::vector<std::filesystem::path> SaveFailures::TakeUnshown() {
  std::lock_guard lock(mutex_);
  return std::exchange(unshown_, {});
}

std::u16string SaveFailedMessage(int32_t languageFlag, const std::filesystem::path& file) {
  const std::u16string name = file.u16string();
  if (languageFlag)
    return u"Could not save your settings to\n" + name +
           u"\n\nThe folder may be read-only, or another program may be using the file. "
           u"Your changes stay in effect until the program is closed.";
  return u"无法保存设置到文件\n" + name + u"\n\n该文件夹可能是只读的，或者该文件正被其他程序使用。在关闭程序之前，您的更改仍然有效。";
}

// Like the program's other messages, it names the program in its caption.
void ShowSaveFailures(SaveFailures& failures, Dialogs& dialogs, WindowHost* owner, int32_t languageFlag) {
  for (const std::filesystem::path& file : failures.TakeUnshown())
    dialogs.MessageBox(owner, SaveFailedMessage(languageFlag, file), kMessageCaption);
}

}  // namespace tx80
