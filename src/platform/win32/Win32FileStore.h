#pragma once
#include "platform/FileStore.h"

namespace tx80 {

// The program's files through the Win32 file calls. Reads share the file
// with readers, writers and deleters, so a replace by another thread or
// program is never blocked by them; a replace writes "<file>.new", flushes it
// and moves it over the file, written through to the disk.
class Win32FileStore final : public FileStore {
 public:
  using FileStore::FileStore;
  Content Read(const std::filesystem::path& file) override;
  ReplaceResult Replace(const std::filesystem::path& file, std::string_view bytes) override;
  std::u16string AnsiToUtf16(std::string_view bytes) override;
  std::optional<std::string> Utf16ToAnsi(std::u16string_view text) override;
  bool PrepareWritableFolder(const std::filesystem::path& folder) override;
};

}  // namespace tx80
