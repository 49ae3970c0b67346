#pragma once
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace tx80 {

// Message boxes are recorded, never shown.
class SimDialogs : public Dialogs {
 public:
  struct Shown {
    std::u16string text;
    std::u16string caption;
    bool owned;
  };
  void MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
  std::vector<Shown> Messages() const;

  // Questions answer with the next of yesNoAnswers (none left: No) and are
  // recorded.
  bool AskYesNo(WindowHost* owner, std::u16string_view text, std::u16string_view caption) override;
  std::vector<Shown> Questions() const;
  std::deque<bool> yesNoAnswers;

  // File dialogs answer with the next of fileChoices (none left, or an empty
  // entry: the user cancelled) and are recorded.
  std::optional<std::filesystem::path> OpenFile(WindowHost* owner, const FileDialogOptions& options) override;
  std::optional<std::filesystem::path> SaveFile(WindowHost* owner, const FileDialogOptions& options) override;
  struct FileDialogShown {
    bool save;
    std::u16string filter;
    std::filesystem::path initialDirectory;
    std::u16string defaultExtension;
  };
  std::vector<FileDialogShown> FileDialogs() const;
  std::deque<std::optional<std::filesystem::path>> fileChoices;

 private:
  std::optional<std::filesystem::path> ChooseFile(bool save, const FileDialogOptions& options);
  mutable std::mutex mutex_;
  std::vector<Shown> shown_;
  std::vector<Shown> questions_;
  std::vector<FileDialogShown> fileDialogs_;
};

}  // namespace tx80
