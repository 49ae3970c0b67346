#pragma once
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace tx80 {

// The program's files as whole contents: config.ini, the macro files, the skin
// layouts and exchange files are read whole and replaced whole, never patched
// in place. Called from the UI thread and the function executor; every method
// is safe from any thread. Both backends keep this one contract:
// - a read never stands in the way of a replace (a reader allows writers and
//   the deletion or renaming of the file while it reads);
// - a replace is all or nothing: the new content is written to a temporary
//   file beside the old one and renamed over it, so a failure or a crash
//   leaves either the old content or the new one, never a mixture;
// - a replace makes one attempt and says how it ended; when another program
//   holds the file open without allowing its deletion (a virus scanner, an
//   editor, a backup tool) it reports Held, and the caller decides whether and
//   when to try again (the INI engine waits on retryClock).
class FileStore {
 public:
  explicit FileStore(Clock& retryClock) : retryClock_(retryClock) {}
  virtual ~FileStore() = default;

  // What a read found. A file that exists but cannot be read (no rights, held
  // without read sharing) is told apart from a missing one, which a writer may
  // create: it must not be replaced as if it were empty.
  struct Content {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;  // the whole file when Read
  };
  virtual Content Read(const std::filesystem::path& file) = 0;

  // Makes `bytes` the file's whole content (creating the file when missing).
  // Held: another program holds the file, a later attempt may succeed.
  // Failed: folder missing or not writable, disk full. Unless Replaced the old
  // content is unchanged and no temporary file is left behind.
  enum class ReplaceResult { Replaced, Held, Failed };
  virtual ReplaceResult Replace(const std::filesystem::path& file, std::string_view bytes) = 0;

  // Makes sure `folder` exists, creating it and the folders above it when
  // missing, and tells whether a new file can be made in it (a program folder
  // under Program Files cannot). Asked at start, before any save.
  virtual bool PrepareWritableFolder(const std::filesystem::path& folder) = 0;

  // Text of a file that carries no byte-order mark and is not UTF-8, read as
  // the system's ANSI code page reads it. Never fails: bytes without a
  // character come back as the code page's replacement.
  virtual std::u16string AnsiToUtf16(std::string_view bytes) = 0;
  // The reverse, for text written into such a file; nullopt when a character
  // has no exact form in the code page (nothing is approximated).
  virtual std::optional<std::string> Utf16ToAnsi(std::u16string_view text) = 0;

  // Held by the INI engine around each read-modify-write, so that two threads
  // saving the same file never lose one another's change.
  std::mutex& UpdateLock() { return updateLock_; }
  // What the INI engine waits on between attempts at a held file.
  Clock& RetryClock() { return retryClock_; }

 private:
  std::mutex updateLock_;
  Clock& retryClock_;
};

}  // namespace tx80
