#pragma once
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <set>

#include "platform/FileStore.h"

namespace tx80 {

// The program's files on the real file system, with what Windows adds to it
// modelled: another program may hold a file open without delete sharing, so
// that a rename over it fails until it lets go, and a folder may refuse writes
// (a program folder under Program Files without the rights to it). The ANSI
// code page is Latin-1: each byte is the character of the same number.
class SimFileStore : public FileStore {
 public:
  using FileStore::FileStore;

  Content Read(const std::filesystem::path& file) override;
  ReplaceResult Replace(const std::filesystem::path& file, std::string_view bytes) override;
  std::u16string AnsiToUtf16(std::string_view bytes) override;
  std::optional<std::string> Utf16ToAnsi(std::u16string_view text) override;
  bool PrepareWritableFolder(const std::filesystem::path& folder) override;

  static constexpr int kUntilReleased = -1;
  // Another program opens `file` without delete sharing: the next `renames`
  // replaces of it report Held, or every one until Release.
  void HoldWithoutDeleteSharing(const std::filesystem::path& file, int renames = kUntilReleased);
  void Release(const std::filesystem::path& file);
  // While refused, nothing can be written into `directory`.
  void RefuseWrites(const std::filesystem::path& directory, bool refuse);
  // How many replacements of `file` took effect.
  int Replacements(const std::filesystem::path& file) const;

  // Called by Replace once the new content is written beside `file`, just
  // before the rename (inside the INI engine's lock). Set it before the store
  // is shared with another thread.
  std::function<void(const std::filesystem::path& file)> beforeRename;

 private:
  bool WritesRefused(const std::filesystem::path& directory) const;
  // Counts one refused rename when the file is held.
  bool RenameRefused(const std::filesystem::path& file);

  mutable std::mutex mutex_;
  std::map<std::filesystem::path, int> held_;
  std::set<std::filesystem::path> refused_;
  std::map<std::filesystem::path, int> replacements_;
};

}  // namespace tx80
