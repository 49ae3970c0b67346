#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

namespace tx80 {

class WindowHost;

// What a file dialog offers. The filter is written the framework's way,
// description and pattern pairs ended by "||": "All Files(*.dat)|*.dat||".
struct FileDialogOptions {
  std::u16string_view filter;
  std::filesystem::path initialDirectory;
  std::u16string_view defaultExtension;  // added to a typed name without one; empty: none
};

// Message boxes, questions and file dialogs.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal message box owned by `owner` (may be null) with the given caption
  // (empty: no caption text) and an OK button.
  virtual void MessageBox(WindowHost* owner, std::u16string_view text, std::u16string_view caption) = 0;
  // Modal message box with Yes and No buttons, asked before something that
  // cannot be undone; true only when the user chose Yes.
  virtual bool AskYesNo(WindowHost* owner, std::u16string_view text, std::u16string_view caption) = 0;
  // Modal file-open dialog owned by `owner`, read-only box hidden; the chosen
  // path, or nothing when the user cancelled.
  virtual std::optional<std::filesystem::path> OpenFile(WindowHost* owner, const FileDialogOptions& options) = 0;
  // Modal file-save dialog, likewise; it asks before an existing file is
  // overwritten.
  virtual std::optional<std::filesystem::path> SaveFile(WindowHost* owner, const FileDialogOptions& options) = 0;
};

}  // namespace tx80
