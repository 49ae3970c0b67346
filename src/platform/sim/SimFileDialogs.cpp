#include "platform/sim/SimDialogs.h"

namespace tx80 {

std::optional<std::filesystem::path> SimDialogs::OpenFile(WindowHost*, const FileDialogOptions& options) {
  return ChooseFile(false, options);
}

std::optional<std::filesystem::path> SimDialogs::SaveFile(WindowHost*, const FileDialogOptions& options) {
  return ChooseFile(true, options);
}

std::vector<SimDialogs::FileDialogShown> SimDialogs::FileDialogs() const {
  std::lock_guard lock(mutex_);
  return fileDialogs_;
}

std::optional<std::filesystem::path> SimDialogs::ChooseFile(bool save, const FileDialogOptions& options) {
  std::lock_guard lock(mutex_);
  fileDialogs_.push_back({save, std::u16string(options.filter), options.initialDirectory,
                          std::u16string(options.defaultExtension)});
  if (fileChoices.empty()) return std::nullopt;
  auto choice = fileChoices.front();
  fileChoices.pop_front();
  return choice;
}

}  // namespace tx80
