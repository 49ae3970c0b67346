// The INI engine on any file: reads give at most buffer - 1 characters; a
// batch of writes gives the same bytes as the same writes one by one, or,
// when one of them cannot be stored, leaves the file as it was; a write that
// took effect reads back as written (blanks around the value removed), keeps
// the file's mark, and leaves every other key of the file reading as before
// unless the file now reads as UTF-8 where it read in the code page.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "framework/PrivateProfile.h"
#include "framework/Utf.h"

namespace {

using Name = std::pair<std::u16string, std::u16string>;  // section, key

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::u16string(text);
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  const auto fold = [](char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                             [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

// The file's text as the engine would see it, split into lines: where the
// section and key names for the operations come from.
std::vector<std::u16string> Lines(std::string_view bytes) {
  std::u16string text;
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      text.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8)));
  } else {
    text = tx80::Utf8ToUtf16(bytes);
  }
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = std::min(text.find_first_of(u"\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Section and key names that appear in the file, in file order.
std::vector<Name> NamesIn(const std::vector<std::u16string>& lines) {
  std::vector<Name> names;
  std::u16string section;
  for (const auto& line : lines) {
    const std::u16string trimmed = Trim(line);
    if (!trimmed.empty() && trimmed.front() == u'[') {
      section = Trim(trimmed.substr(1, trimmed.find(u']') == std::u16string::npos ? std::u16string::npos
                                                                                   : trimmed.find(u']') - 1));
    } else if (const auto equals = line.find(u'='); equals != std::u16string::npos) {
      names.emplace_back(section, Trim(line.substr(0, equals)));
    }
  }
  return names;
}

// A name the program could write: no line break, nothing the reader would
// take for a section header or the end of a key, no blanks around it.
bool Writable(std::u16string_view name, std::u16string_view forbidden) {
  if (name.empty() || name.front() == u'[' || IsBlank(name.front()) || IsBlank(name.back())) return false;
  return std::none_of(name.begin(), name.end(),
                      [&](char16_t c) { return (c >= 0xD800 && c <= 0xDFFF) || forbidden.find(c) != std::u16string_view::npos; });
}

std::u16string MadeUp(FuzzedDataProvider& input) {
  std::u16string text(input.ConsumeIntegralInRange<std::size_t>(0, 12), u'a');
  for (auto& c : text) c = input.ConsumeBool() ? input.ConsumeIntegral<char16_t>() : input.ConsumeIntegralInRange(32, 126);
  return text;
}

std::u16string Pick(FuzzedDataProvider& input, const std::vector<Name>& names, bool key) {
  if (names.empty() || input.ConsumeBool()) return MadeUp(input);
  const Name& name = names[input.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
  return key ? name.second : name.first;
}

std::string Marker(const std::string& bytes) {
  if (bytes.rfind("\xFF\xFE", 0) == 0) return "utf-16";
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return "utf-8 with mark";
  return "plain";
}

// A file without a mark reads as UTF-8 when it is valid UTF-8, otherwise in
// the code page.
bool ReadInCodePage(const std::string& bytes) { return Marker(bytes) == "plain" && !tx80::IsValidUtf8(bytes); }

}  // namespace

// How many bytes at the end of the input steer the operations; the file is
// the rest.
constexpr std::size_t kSteering = 48;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tx80;
  const std::size_t fileSize = size - std::min(size, kSteering);
  const std::string content(reinterpret_cast<const char*>(data), fileSize);
  FuzzedDataProvider input(data + fileSize, size - fileSize);
  const auto file = fuzz::ScratchDirectory() / "config.ini";
  fuzz::WriteFile(file, content);
  std::vector<Name> names = NamesIn(Lines(content));
  // Every other key is read before and after each write; a spread of at most
  // 32 keeps the runs quick on long files.
  std::vector<Name> watched;
  for (std::size_t i = 0; i < names.size(); i += std::max<std::size_t>(1, names.size() / 32)) watched.push_back(names[i]);

  FileStore& files = fuzz::Files();
  const auto single = fuzz::ScratchDirectory() / "one-by-one.ini";
  while (input.remaining_bytes() > 0) {
    if (input.ConsumeBool()) {
      const std::u16string section = Pick(input, names, false);
      const std::u16string key = Pick(input, names, true);
      const std::size_t buffer = input.ConsumeIntegralInRange<std::size_t>(0, 300);
      if (ReadProfileString(files, file, section, key, buffer).size() > (buffer ? buffer - 1 : 0))
        fuzz::Fail("a read longer than its buffer");
      continue;
    }
    std::vector<ProfileWrite> writes(input.ConsumeIntegralInRange(1, 3));
    for (auto& w : writes) {
      w.section = Pick(input, names, false);
      w.key = Pick(input, names, true);
      w.value = MadeUp(input);
    }
    // Names the reader would take apart differently (a section name with "]",
    // a key with "=") are the caller's mistake, not the engine's.
    if (std::any_of(writes.begin(), writes.end(),
                    [](const ProfileWrite& w) { return !Writable(w.section, u"]") || !Writable(w.key, u"="); }))
      continue;

    const std::string before = fuzz::ReadFile(file);
    std::vector<std::u16string> others;
    for (const auto& [s, k] : watched) others.push_back(ReadProfileString(files, file, s, k, 4096));
    if (std::filesystem::exists(file)) std::filesystem::copy_file(file, single, std::filesystem::copy_options::overwrite_existing);
    else std::filesystem::remove(single);
    bool singlesWritten = true;
    for (const auto& w : writes) singlesWritten &= WriteProfileString(files, single, w.section, w.key, w.value);
    const bool written = WriteProfileStrings(files, file, writes);
    const std::string after = fuzz::ReadFile(file);
    if (!written) {
      if (after != before) fuzz::Fail("a batch that failed changed the file");
      if (singlesWritten) fuzz::Fail("a batch failed where the writes one by one did not");
      continue;
    }
    if (!singlesWritten || fuzz::ReadFile(single) != after) fuzz::Fail("a batch wrote other bytes than the writes one by one");

    // The last write reads back; a value in matching quotes may come back
    // without them, and outside a UTF-16 file a lone surrogate half comes back
    // as U+FFFD, as UTF-8 carries it.
    const ProfileWrite& last = writes.back();
    std::u16string expected = Trim(last.value);
    if (Marker(after) != "utf-16") expected = Utf8ToUtf16(Utf16ToUtf8(expected));
    const bool quoted = expected.size() >= 2 && (expected.front() == u'"' || expected.front() == u'\'') &&
                        expected.back() == expected.front();
    if (!quoted && ReadProfileString(files, file, last.section, last.key, 4096) != expected)
      fuzz::Fail("the value written");
    if (!before.empty() && Marker(before) != Marker(after)) fuzz::Fail("the file's encoding");
    // A write that replaced the last line outside UTF-8 makes the whole file
    // read as UTF-8, as it would after a restart: other values may read
    // differently then.
    if (ReadInCodePage(before) != ReadInCodePage(after)) continue;
    for (std::size_t i = 0; i < watched.size(); ++i) {
      const Name& name = watched[i];
      if (std::any_of(writes.begin(), writes.end(), [&](const ProfileWrite& w) {
            return SameName(name.first, w.section) && SameName(name.second, w.key);
          }))
        continue;
      if (ReadProfileString(files, file, name.first, name.second, 4096) != others[i])
        fuzz::Fail("another key changed");
    }
  }
  return 0;
}
