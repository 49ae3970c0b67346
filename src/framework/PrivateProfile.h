#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tx80 {

// The program's INI files (config.ini, macro files, skin files), read and
// written key by key with the rules every part of the program relies on:
// - section and key names match without regard to case; blanks around a value
//   are removed; a missing file, section or key reads as empty text;
// - at most bufferSize - 1 characters of a value come back (bufferSize counts
//   the terminator, as the stored files' readers always did);
// - files may be UTF-16LE with a byte-order mark, or UTF-8 with or without one.
std::u16string ReadProfileString(const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::size_t bufferSize);

// Replaces the key's value in place; a missing key is added at the end of its
// section, a missing section at the end of the file, a missing file is created
// (as plain text). Every other line stays as it was, and the file keeps its
// encoding. The new content is written beside the file and renamed over it, so
// a failed write never leaves a half-written file. False when it failed.
bool WriteProfileString(const std::filesystem::path& file, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value);

// Every key of a section with its value, in file order, blanks around both
// removed; lines without "=" are left out. Empty for a missing file or section.
std::vector<std::pair<std::u16string, std::u16string>> ReadProfileSection(const std::filesystem::path& file,
                                                                          std::u16string_view section);

// Removes the key's lines (a hand-edited file may repeat it) from its section;
// every other line stays as it was.
// A missing file, section or key is left alone (true). False when the file
// could not be rewritten.
bool RemoveProfileKey(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key);

}  // namespace tx80
