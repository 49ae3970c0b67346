#include "framework/PrivateProfile.h"

#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

#include "framework/Utf.h"

namespace tx80 {

namespace {

enum class Encoding { Utf8, Utf8WithMark, Utf16Le };

// A file as lines, so that a write changes one line and leaves the rest as it was.
struct IniText {
  Encoding encoding = Encoding::Utf8;
  std::vector<std::u16string> lines;
  std::u16string newline = u"\r\n";
  bool endsWithNewline = true;
};

std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::u16string Decode(const std::string& bytes, Encoding& encoding) {
  if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xFE) {
    encoding = Encoding::Utf16Le;
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      text.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8)));
    return text;
  }
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    encoding = Encoding::Utf8WithMark;
    return Utf8ToUtf16(std::string_view(bytes).substr(3));
  }
  encoding = Encoding::Utf8;
  return Utf8ToUtf16(bytes);
}

std::optional<IniText> Load(const std::filesystem::path& file) {
  const auto bytes = ReadBytes(file);
  if (!bytes) return std::nullopt;
  IniText ini;
  const std::u16string text = Decode(*bytes, ini.encoding);
  const auto firstBreak = text.find_first_of(u"\r\n");
  if (firstBreak != std::u16string::npos && !(text[firstBreak] == u'\r' && text.compare(firstBreak, 2, u"\r\n") == 0))
    ini.newline = std::u16string(1, text[firstBreak]);
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string::npos) {
      ini.lines.emplace_back(text.substr(start));
      ini.endsWithNewline = false;
      break;
    }
    ini.lines.emplace_back(text.substr(start, end - start));
    start = end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
  }
  return ini;
}

std::string Encode(const IniText& ini) {
  std::u16string text;
  for (std::size_t i = 0; i < ini.lines.size(); ++i) {
    text += ini.lines[i];
    if (i + 1 < ini.lines.size() || ini.endsWithNewline) text += ini.newline;
  }
  switch (ini.encoding) {
    case Encoding::Utf16Le: {
      std::string bytes = "\xFF\xFE";
      bytes.reserve(2 + 2 * text.size());
      for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
      }
      return bytes;
    }
    case Encoding::Utf8WithMark:
      return "\xEF\xBB\xBF" + Utf16ToUtf8(text);
    case Encoding::Utf8:
      break;
  }
  return Utf16ToUtf8(text);
}

// Written beside the file and renamed over it: the old content stays whole
// until the new one is complete.
bool Save(const std::filesystem::path& file, const IniText& ini) {
  std::filesystem::path temporary = file;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string bytes = Encode(ini);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
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
std::size_t FindSection(const IniText& ini, std::u16string_view section) {
  for (std::size_t i = 0; i < ini.lines.size(); ++i) {
    const auto name = SectionName(ini.lines[i]);
    if (name && EqualNoCase(*name, section)) return i;
  }
  return ini.lines.size();
}

// One past the last line of the section that starts at `header`.
std::size_t SectionEnd(const IniText& ini, std::size_t header) {
  std::size_t i = header + 1;
  while (i < ini.lines.size() && !SectionName(ini.lines[i])) ++i;
  return i;
}

std::size_t FindKey(const IniText& ini, std::size_t header, std::size_t end, std::u16string_view key) {
  for (std::size_t i = header + 1; i < end; ++i) {
    const auto parsed = ParseKeyLine(ini.lines[i]);
    if (parsed && EqualNoCase(parsed->key, key)) return i;
  }
  return end;
}

// Writers on different threads (UI and executor) would otherwise lose each
// other's read-modify-write of the same file.
std::mutex& WriteMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

std::u16string ReadProfileString(const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  const auto ini = Load(file);
  if (!ini) return {};
  const std::size_t header = FindSection(*ini, section);
  if (header == ini->lines.size()) return {};
  const std::size_t end = SectionEnd(*ini, header);
  const std::size_t line = FindKey(*ini, header, end, key);
  if (line == end) return {};
  const std::u16string_view value = ParseKeyLine(ini->lines[line])->value;
  return std::u16string(value.substr(0, bufferSize - 1));
}

bool WriteProfileString(const std::filesystem::path& file, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value) {
  std::lock_guard lock(WriteMutex());
  IniText ini = Load(file).value_or(IniText{});
  std::u16string keyLine(key);
  keyLine += u'=';
  keyLine += value;

  const std::size_t header = FindSection(ini, section);
  if (header == ini.lines.size()) {
    ini.lines.push_back(u"[" + std::u16string(section) + u"]");
    ini.lines.push_back(std::move(keyLine));
    ini.endsWithNewline = true;
    return Save(file, ini);
  }
  const std::size_t end = SectionEnd(ini, header);
  const std::size_t line = FindKey(ini, header, end, key);
  if (line != end) {
    if (ini.lines[line] == keyLine) return true;  // already so; spare the disk
    ini.lines[line] = std::move(keyLine);
  } else {
    std::size_t insertAt = end;  // after the section's last non-blank line
    while (insertAt > header + 1 && Trim(ini.lines[insertAt - 1]).empty()) --insertAt;
    ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(keyLine));
    if (insertAt == ini.lines.size() - 1) ini.endsWithNewline = true;
  }
  return Save(file, ini);
}

std::vector<std::pair<std::u16string, std::u16string>> ReadProfileSection(const std::filesystem::path& file,
                                                                          std::u16string_view section) {
  std::vector<std::pair<std::u16string, std::u16string>> entries;
  const auto ini = Load(file);
  if (!ini) return entries;
  const std::size_t header = FindSection(*ini, section);
  if (header == ini->lines.size()) return entries;
  const std::size_t end = SectionEnd(*ini, header);
  for (std::size_t i = header + 1; i < end; ++i)
    if (const auto parsed = ParseKeyLine(ini->lines[i]))
      entries.emplace_back(std::u16string(parsed->key), std::u16string(parsed->value));
  return entries;
}

bool RemoveProfileKey(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key) {
  std::lock_guard lock(WriteMutex());
  auto ini = Load(file);
  if (!ini) return true;
  const std::size_t header = FindSection(*ini, section);
  if (header == ini->lines.size()) return true;
  std::size_t end = SectionEnd(*ini, header);
  std::size_t line = FindKey(*ini, header, end, key);
  if (line == end) return true;
  do {
    ini->lines.erase(ini->lines.begin() + static_cast<std::ptrdiff_t>(line));
    line = FindKey(*ini, header, --end, key);
  } while (line != end);
  return Save(file, *ini);
}

}  // namespace tx80
