#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tx80 {

class FileStore;

// The program's INI files (config.ini, macro files, skin files), read and
// written with the rules every part of the program relies on:
// - section and key names match without regard to case; blanks around a value
//   are removed; a missing file, section or key reads as empty text;
// - a value wrapped in one pair of matching quotes ("..." or '...') comes back
//   without them (hand-written skins quote their texts);
// - at most bufferSize - 1 characters of a value come back (bufferSize counts
//   the terminator, as the stored files' readers always did); the cut applies
//   to what lies inside the quotes;
// - files may be UTF-16LE with a byte-order mark, or UTF-8 with or without one;
//   a file without a mark that is not UTF-8 is in the system's ANSI code page
//   (a file saved by an editor of a Chinese system, say).
// Files are read and replaced through `files`.
std::u16string ReadProfileString(FileStore& files, const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::size_t bufferSize);

inline constexpr int kReplaceAttempts = 10;
inline constexpr int kReplaceRetryMs = 20;

struct ProfileWrite {
  std::u16string section;
  std::u16string key;
  std::u16string value;
};

// Replaces the key's value in place; a missing key is added at the end of its
// section, a missing section at the end of the file, a missing file is created
// (as plain text). Every other line stays byte for byte as it was, and the
// file keeps its encoding and its line ends (added lines take the file's first
// line end). A file that already holds the value is not rewritten. The file is
// replaced whole (FileStore::Replace), so a failed write leaves it unchanged;
// a file another program holds is tried kReplaceAttempts times in all,
// kReplaceRetryMs apart, before the write fails.
// False when it failed, and when the text cannot be stored: a line break in a
// name or value, a character the file's code page lacks, a file that exists
// but cannot be read.
bool WriteProfileString(FileStore& files, const std::filesystem::path& file, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value);

// The writes in order, as WriteProfileString would make them one after the
// other, giving the same bytes, but committed as one replacement of the file:
// all of them or, when one cannot be stored or the replacement fails, none.
bool WriteProfileStrings(FileStore& files, const std::filesystem::path& file, std::span<const ProfileWrite> writes);

// The bytes of a new file holding the writes, as WriteProfileStrings would
// create it, for a file written whole (ReplaceWholeFile) whatever it held
// before. Nothing when a write cannot be stored.
std::optional<std::string> NewProfileFile(FileStore& files, std::span<const ProfileWrite> writes);

// Makes `bytes` the file's whole content as every write of the engine does:
// one replacement, tried again while another program holds the file.
bool ReplaceWholeFile(FileStore& files, const std::filesystem::path& file, std::string_view bytes);

// Every key of a section with its value, in file order, read with the rules
// above (no cut: the whole value); lines without "=" are left out. Empty for a
// missing or unreadable file or section.
std::vector<std::pair<std::u16string, std::u16string>> ReadProfileSection(FileStore& files,
                                                                          const std::filesystem::path& file,
                                                                          std::u16string_view section);

// Removes the key's lines (a hand-edited file may repeat it) from its section;
// every other line stays as it was.
// A missing file, section or key is left alone (true). False when the file
// exists but cannot be read, or could not be replaced.
bool RemoveProfileKey(FileStore& files, const std::filesystem::path& file, std::u16string_view section,
                      std::u16string_view key);

}  // namespace tx80
