#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

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

}  // namespace tx80
