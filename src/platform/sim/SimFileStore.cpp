#include "platform/sim/SimFileStore.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace tx80 {

namespace {
std::filesystem::path Normal(const std::filesystem::path& path) { return path.lexically_normal(); }
}  // namespace

FileStore::Content SimFileStore::Read(const std::filesystem::path& file) {
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (!std::filesystem::exists(status)) return {Content::Status::Missing, {}};
  std::ifstream in(file, std::ios::binary);
  if (!std::filesystem::is_regular_file(status) || !in) return {Content::Status::Unreadable, {}};
  std::string bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
  if (in.bad()) return {Content::Status::Unreadable, {}};
  return {Content::Status::Read, std::move(bytes)};
}

FileStore::ReplaceResult SimFileStore::Replace(const std::filesystem::path& file, std::string_view bytes) {
  if (WritesRefused(file.parent_path())) return ReplaceResult::Failed;
  std::filesystem::path temporary = file;
  temporary += ".new";
  std::error_code ignored;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return ReplaceResult::Failed;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, ignored);
      return ReplaceResult::Failed;
    }
  }
  if (beforeRename) beforeRename(file);
  if (RenameRefused(file)) {
    std::filesystem::remove(temporary, ignored);
    return ReplaceResult::Held;
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, ignored);
    return ReplaceResult::Failed;
  }
  std::lock_guard lock(mutex_);
  ++replacements_[Normal(file)];
  return ReplaceResult::Replaced;
}

std::u16string SimFileStore::AnsiToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(static_cast<char16_t>(static_cast<uint8_t>(byte)));
  return text;
}

std::optional<std::string> SimFileStore::Utf16ToAnsi(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t c : text) {
    if (c > 0xFF) return std::nullopt;
    bytes.push_back(static_cast<char>(c));
  }
  return bytes;
}

void SimFileStore::HoldWithoutDeleteSharing(const std::filesystem::path& file, int renames) {
  std::lock_guard lock(mutex_);
  if (renames == 0) {
    held_.erase(Normal(file));
  } else {
    held_[Normal(file)] = renames;
  }
}

void SimFileStore::Release(const std::filesystem::path& file) {
  std::lock_guard lock(mutex_);
  held_.erase(Normal(file));
}

void SimFileStore::RefuseWrites(const std::filesystem::path& directory, bool refuse) {
  std::lock_guard lock(mutex_);
  if (refuse) {
    refused_.insert(Normal(directory));
  } else {
    refused_.erase(Normal(directory));
  }
}

int SimFileStore::Replacements(const std::filesystem::path& file) const {
  std::lock_guard lock(mutex_);
  const auto found = replacements_.find(Normal(file));
  return found == replacements_.end() ? 0 : found->second;
}

bool SimFileStore::WritesRefused(const std::filesystem::path& directory) const {
  std::lock_guard lock(mutex_);
  return refused_.contains(Normal(directory));
}

bool SimFileStore::RenameRefused(const std::filesystem::path& file) {
  std::lock_guard lock(mutex_);
  const auto found = held_.find(Normal(file));
  if (found == held_.end()) return false;
  if (found->second == kUntilReleased) return true;
  if (--found->second == 0) held_.erase(found);
  return true;
}

bool SimFileStore::PrepareWritableFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error && std::filesystem::is_directory(folder) && !WritesRefused(folder);
}

}  // namespace tx80
