#include "platform/win32/Win32FileStore.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/win32/WideText.h"

namespace tx80 {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// What MoveFileExW reports while a scanner, an indexer or an editor holds the
// file without delete sharing.
bool HeldByAnotherProgram(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

FileStore::Content Win32FileStore::Read(const std::filesystem::path& file) {
  FileHandle handle(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle.valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? Content::Status::Missing : Content::Status::Unreadable, {}};
  }
  std::string bytes;
  char buffer[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(handle.get(), buffer, sizeof buffer, &read, nullptr)) return {Content::Status::Unreadable, {}};
    if (read == 0) break;
    bytes.append(buffer, read);
  }
  return {Content::Status::Read, std::move(bytes)};
}

FileStore::ReplaceResult Win32FileStore::Replace(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temporary = file;
  temporary += L".new";
  bool written = false;
  {
    FileHandle handle(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!handle.valid()) return ReplaceResult::Failed;
    written = WriteAll(handle.get(), bytes) && FlushFileBuffers(handle.get());
  }
  if (!written) {
    DeleteFileW(temporary.c_str());
    return ReplaceResult::Failed;
  }
  if (MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return ReplaceResult::Replaced;
  const bool held = HeldByAnotherProgram(GetLastError());
  DeleteFileW(temporary.c_str());
  return held ? ReplaceResult::Held : ReplaceResult::Failed;
}

std::u16string Win32FileStore::AnsiToUtf16(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring text(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
  return FromWide(text);
}

std::optional<std::string> Win32FileStore::Utf16ToAnsi(std::u16string_view text) {
  if (text.empty()) return std::string();
  if (text.size() > INT_MAX) return std::nullopt;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  // UTF-8 as the ANSI code page (a Windows option) takes neither the flag nor
  // the default-character check; it refuses what it cannot encode instead.
  const UINT codePage = GetACP();
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
  const int length = WideCharToMultiByte(codePage, flags, wide, size, nullptr, 0, nullptr, usedDefaultOut);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<size_t>(length), '\0');
  if (WideCharToMultiByte(codePage, flags, wide, size, bytes.data(), length, nullptr, usedDefaultOut) != length ||
      usedDefault)
    return std::nullopt;
  return bytes;
}

bool Win32FileStore::PrepareWritableFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // Only a real create tells: a folder's read-only attribute means nothing to
  // Windows, and the rights may come from any group of the user. The probe
  // goes when its handle closes, even if the program is ended meanwhile.
  const std::wstring probe = (folder / L"TX80-write-probe.tmp").wstring();
  const HANDLE handle = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

}  // namespace tx80
