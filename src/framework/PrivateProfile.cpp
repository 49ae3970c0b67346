#include "framework/PrivateProfile.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "framework/Utf.h"
#include "platform/FileStore.h"

namespace tx80 {

namespace {

enum class Encoding { Utf8, Utf8WithMark, Utf16Le, Ansi };
enum class LineEnd { None, Cr, Lf, CrLf };

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// One line as stored and as text. Lines the program does not write keep their
// bytes, so a byte the decoder could not make sense of is never rewritten.
struct Line {
  std::string bytes;  // without the line end
  LineEnd end = LineEnd::None;
  std::u16string text;
};

struct IniFile {
  Encoding encoding = Encoding::Utf8;
  std::vector<Line> lines;
  LineEnd newline = LineEnd::CrLf;  // the file's first line end: given to the lines added
  std::string oddByte;              // a UTF-16 file's odd last byte, kept last
};

std::size_t UnitSize(Encoding encoding) { return encoding == Encoding::Utf16Le ? 2 : 1; }

std::string_view Mark(Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8WithMark: return kUtf8Mark;
    case Encoding::Utf16Le: return kUtf16LeMark;
    default: return {};
  }
}

std::u16string Decode(FileStore& files, Encoding encoding, std::string_view bytes) {
  switch (encoding) {
    case Encoding::Utf16Le: {
      std::u16string text;
      text.reserve(bytes.size() / 2);
      for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8)));
      return text;
    }
    case Encoding::Ansi: return files.AnsiToUtf16(bytes);
    default: return Utf8ToUtf16(bytes);
  }
}

std::optional<std::string> Encode(FileStore& files, Encoding encoding, std::u16string_view text) {
  switch (encoding) {
    case Encoding::Utf16Le: {
      std::string bytes;
      bytes.reserve(2 * text.size());
      for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
      }
      return bytes;
    }
    case Encoding::Ansi: return files.Utf16ToAnsi(text);
    default: return Utf16ToUtf8(text);
  }
}

std::string LineEndBytes(LineEnd end, Encoding encoding) {
  const std::string_view chars = end == LineEnd::Cr ? "\r" : end == LineEnd::Lf ? "\n" : end == LineEnd::CrLf ? "\r\n" : "";
  if (encoding != Encoding::Utf16Le) return std::string(chars);
  std::string bytes;
  for (char c : chars) bytes += {c, '\0'};
  return bytes;
}

// A file without a mark is UTF-8 when it is valid UTF-8, otherwise text of
// the system's code page.
Encoding EncodingOf(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeMark)) return Encoding::Utf16Le;
  if (bytes.starts_with(kUtf8Mark)) return Encoding::Utf8WithMark;
  return IsValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Ansi;
}

IniFile Parse(FileStore& files, std::string_view bytes) {
  IniFile ini;
  ini.encoding = EncodingOf(bytes);
  bytes.remove_prefix(Mark(ini.encoding).size());
  const std::size_t unit = UnitSize(ini.encoding);
  const std::size_t size = bytes.size() - bytes.size() % unit;
  if (size < bytes.size()) ini.oddByte.assign(1, bytes.back());
  auto codeAt = [&](std::size_t i) -> char16_t {
    return unit == 1 ? static_cast<uint8_t>(bytes[i])
                     : static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
  };
  std::size_t start = 0;
  for (std::size_t i = 0; i < size;) {
    const char16_t c = codeAt(i);
    if (c != u'\r' && c != u'\n') {
      i += unit;
      continue;
    }
    std::size_t next = i + unit;
    LineEnd end = c == u'\r' ? LineEnd::Cr : LineEnd::Lf;
    if (c == u'\r' && next < size && codeAt(next) == u'\n') {
      end = LineEnd::CrLf;
      next += unit;
    }
    ini.lines.push_back({std::string(bytes.substr(start, i - start)), end, {}});
    start = i = next;
  }
  if (start < size) ini.lines.push_back({std::string(bytes.substr(start, size - start)), LineEnd::None, {}});
  for (Line& line : ini.lines) line.text = Decode(files, ini.encoding, line.bytes);
  for (const Line& line : ini.lines) {
    if (line.end != LineEnd::None) {
      ini.newline = line.end;
      break;
    }
  }
  return ini;
}

std::string Serialize(const IniFile& ini) {
  std::string bytes(Mark(ini.encoding));
  for (const Line& line : ini.lines) {
    bytes += line.bytes;
    bytes += LineEndBytes(line.end, ini.encoding);
  }
  return bytes += ini.oddByte;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char16_t FoldCase(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

// "[name]" → name; nullopt for any other line.
std::optional<std::u16string_view> SectionName(std::u16string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != u'[') return std::nullopt;
  line.remove_prefix(1);
  const auto close = line.find(u']');
  return Trim(close == std::u16string_view::npos ? line : line.substr(0, close));
}

struct KeyLine {
  std::u16string_view key;
  std::u16string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::u16string_view line) {
  const auto equals = line.find(u'=');
  if (equals == std::u16string_view::npos) return std::nullopt;
  return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Index of the section's header line, or lines.size().
std::size_t FindSection(const IniFile& ini, std::u16string_view section) {
  for (std::size_t i = 0; i < ini.lines.size(); ++i) {
    const auto name = SectionName(ini.lines[i].text);
    if (name && EqualNoCase(*name, section)) return i;
  }
  return ini.lines.size();
}

// One past the last line of the section that starts at `header`.
std::size_t SectionEnd(const IniFile& ini, std::size_t header) {
  std::size_t i = header + 1;
  while (i < ini.lines.size() && !SectionName(ini.lines[i].text)) ++i;
  return i;
}

std::size_t FindKey(const IniFile& ini, std::size_t header, std::size_t end, std::u16string_view key) {
  for (std::size_t i = header + 1; i < end; ++i) {
    const auto parsed = ParseKeyLine(ini.lines[i].text);
    if (parsed && EqualNoCase(parsed->key, key)) return i;
  }
  return end;
}

// A value in one pair of matching quotes is the text between them.
std::u16string_view Unquote(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// A new line's bytes in the file's encoding, and its text as a later read of
// those bytes gives it, so that the next write of a batch sees what it would
// see after a reread. Nullopt when the code page lacks a character.
std::optional<Line> MakeLine(FileStore& files, const IniFile& ini, std::u16string_view text, LineEnd end) {
  std::optional<std::string> bytes = Encode(files, ini.encoding, text);
  if (!bytes) return std::nullopt;
  std::u16string reread = Decode(files, ini.encoding, *bytes);
  return Line{std::move(*bytes), end, std::move(reread)};
}

bool Insert(FileStore& files, IniFile& ini, std::size_t at, std::u16string_view text) {
  std::optional<Line> line = MakeLine(files, ini, text, ini.newline);
  if (!line) return false;
  // Only the last line can lack its end; it gets one when a line follows.
  if (at > 0 && ini.lines[at - 1].end == LineEnd::None) ini.lines[at - 1].end = ini.newline;
  ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(*line));
  return true;
}

bool HasLineBreak(std::u16string_view text) { return text.find_first_of(u"\r\n") != std::u16string_view::npos; }

// A file of the code page whose last non-UTF-8 line was just replaced reads
// as UTF-8 from now on: the batch must go on as a reread would.
void RecheckCodePage(IniFile& ini) {
  if (ini.encoding != Encoding::Ansi) return;
  for (const Line& line : ini.lines)
    if (!IsValidUtf8(line.bytes)) return;
  ini.encoding = Encoding::Utf8;
  for (Line& line : ini.lines) line.text = Utf8ToUtf16(line.bytes);
}

// One write, as WriteProfileString makes it; false when it cannot be stored.
bool Apply(FileStore& files, IniFile& ini, const ProfileWrite& write) {
  // A line break would split the line and could start a section of its own.
  if (HasLineBreak(write.section) || HasLineBreak(write.key) || HasLineBreak(write.value)) return false;
  std::u16string keyLine = write.key + u'=' + write.value;

  const std::size_t header = FindSection(ini, write.section);
  if (header == ini.lines.size()) {
    return Insert(files, ini, ini.lines.size(), u"[" + write.section + u"]") &&
           Insert(files, ini, ini.lines.size(), keyLine);
  }
  const std::size_t end = SectionEnd(ini, header);
  const std::size_t found = FindKey(ini, header, end, write.key);
  if (found == end) {
    std::size_t at = end;  // after the section's last non-blank line
    while (at > header + 1 && Trim(ini.lines[at - 1].text).empty()) --at;
    return Insert(files, ini, at, keyLine);
  }
  Line& line = ini.lines[found];
  if (line.text == keyLine) return true;
  std::optional<Line> replaced = MakeLine(files, ini, keyLine, line.end);
  if (!replaced) return false;
  line = std::move(*replaced);
  RecheckCodePage(ini);
  return true;
}

}  // namespace

std::u16string ReadProfileString(FileStore& files, const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  const FileStore::Content content = files.Read(file);
  if (content.status != FileStore::Content::Status::Read) return {};
  const IniFile ini = Parse(files, content.bytes);
  const std::size_t header = FindSection(ini, section);
  if (header == ini.lines.size()) return {};
  const std::size_t end = SectionEnd(ini, header);
  const std::size_t line = FindKey(ini, header, end, key);
  if (line == end) return {};
  const std::u16string_view value = Unquote(ParseKeyLine(ini.lines[line].text)->value);
  return std::u16string(value.substr(0, bufferSize - 1));
}

bool WriteProfileString(FileStore& files, const std::filesystem::path& file, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value) {
  const ProfileWrite write{std::u16string(section), std::u16string(key), std::u16string(value)};
  return WriteProfileStrings(files, file, std::span(&write, 1));
}

bool WriteProfileStrings(FileStore& files, const std::filesystem::path& file, std::span<const ProfileWrite> writes) {
  using Status = FileStore::Content::Status;
  std::lock_guard lock(files.UpdateLock());
  const FileStore::Content before = files.Read(file);
  if (before.status == Status::Unreadable) return false;  // never replaced by what little the program knows of it
  IniFile ini = Parse(files, before.bytes);
  for (const ProfileWrite& write : writes)
    if (!Apply(files, ini, write)) return false;
  const std::string after = Serialize(ini);
  if (after == before.bytes && (before.status == Status::Read || after.empty())) return true;  // already so
  return ReplaceWholeFile(files, file, after);
}

std::optional<std::string> NewProfileFile(FileStore& files, std::span<const ProfileWrite> writes) {
  IniFile ini = Parse(files, {});
  for (const ProfileWrite& write : writes)
    if (!Apply(files, ini, write)) return std::nullopt;
  return Serialize(ini);
}

std::vector<std::pair<std::u16string, std::u16string>> ReadProfileSection(FileStore& files,
                                                                          const std::filesystem::path& file,
                                                                          std::u16string_view section) {
  std::vector<std::pair<std::u16string, std::u16string>> entries;
  const FileStore::Content content = files.Read(file);
  if (content.status != FileStore::Content::Status::Read) return entries;
  const IniFile ini = Parse(files, content.bytes);
  const std::size_t header = FindSection(ini, section);
  if (header == ini.lines.size()) return entries;
  const std::size_t end = SectionEnd(ini, header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (const auto parsed = ParseKeyLine(ini.lines[i].text))
      entries.emplace_back(std::u16string(parsed->key), std::u16string(Unquote(parsed->value)));
  return entries;
}

bool RemoveProfileKey(FileStore& files, const std::filesystem::path& file, std::u16string_view section,
                      std::u16string_view key) {
  using Status = FileStore::Content::Status;
  std::lock_guard lock(files.UpdateLock());
  const FileStore::Content before = files.Read(file);
  if (before.status == Status::Missing) return true;
  if (before.status == Status::Unreadable) return false;
  IniFile ini = Parse(files, before.bytes);
  const std::size_t header = FindSection(ini, section);
  if (header == ini.lines.size()) return true;
  std::size_t end = SectionEnd(ini, header);
  std::size_t line = FindKey(ini, header, end, key);
  if (line == end) return true;
  do {
    ini.lines.erase(ini.lines.begin() + static_cast<std::ptrdiff_t>(line));
    line = FindKey(ini, header, --end, key);
  } while (line != end);
  return ReplaceWholeFile(files, file, Serialize(ini));
}

// A virus scanner or a backup tool holds a file for a moment: worth a few
// short waits, not a failed save.
bool ReplaceWholeFile(FileStore& files, const std::filesystem::path& file, std::string_view bytes) {
  for (int attempt = 1;; ++attempt) {
    const FileStore::ReplaceResult result = files.Replace(file, bytes);
    if (result != FileStore::ReplaceResult::Held) return result == FileStore::ReplaceResult::Replaced;
    if (attempt == kReplaceAttempts) return false;
    files.RetryClock().Sleep(kReplaceRetryMs);
  }
}

}  // namespace tx80
