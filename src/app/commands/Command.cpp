#include "app/commands/Command.h"

#include <algorithm>
#include <array>

#include "app/CommandLine.h"

namespace tx80 {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameName(std::u16string_view word, std::u16string_view lowerCase) {
  if (word.size() != lowerCase.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (Lower(word[i]) != lowerCase[i]) return false;
  return true;
}

// What follows the command's name.
enum class Value { None, Number, File };

struct CommandName {
  std::u16string_view name;
  Command::Kind kind;
  Value value;
  int32_t highest = 0;  // of a number
};

constexpr std::array<CommandName, 8> kCommands{{
    {u"/profile", Command::Kind::Profile, Value::Number, 5},
    {u"/dpi", Command::Kind::Dpi, Value::Number, 4},
    {u"/apply", Command::Kind::Apply, Value::None},
    {u"/status", Command::Kind::Status, Value::None},
    {u"/backup", Command::Kind::Backup, Value::File},
    {u"/restore", Command::Kind::Restore, Value::File},
    {u"/help", Command::Kind::Help, Value::None},
    {u"/?", Command::Kind::Help, Value::None},
}};

// 1..highest written as digits alone (no sign, no blank, no trailing text).
std::optional<int32_t> ParseNumber(std::u16string_view word, int32_t highest) {
  if (word.empty() || word.size() > 3) return std::nullopt;
  int32_t value = 0;
  for (char16_t c : word) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  if (value < 1 || value > highest) return std::nullopt;
  return value;
}

}  // namespace

std::vector<std::u16string> CommandLineWords(std::u16string_view commandLine) {
  std::vector<std::u16string> words;
  std::u16string word;
  bool inWord = false;
  bool quoted = false;
  for (char16_t c : commandLine) {
    if (c == u'"') {
      quoted = !quoted;
      inWord = true;  // "" is an empty word
    } else if (IsBlank(c) && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

ParsedCommandLine ParseCommandWords(const std::vector<std::u16string>& words) {
  using Problem = BadCommandLine::Problem;
  if (words.empty()) return ProgramStart{};
  const CommandName* found = nullptr;
  for (const CommandName& command : kCommands)
    if (SameName(words[0], command.name)) found = &command;
  if (!found) {
    // A start line as the sign-in list and shortcuts hold it: "/tray"
    // anywhere, other words that are no switch ignored as they always were.
    const bool inTray = std::any_of(words.begin(), words.end(),
                                    [](const std::u16string& word) { return SameName(word, kTrayStartSwitch); });
    if (inTray || words[0].empty() || words[0][0] != u'/') return ProgramStart{inTray};
    return BadCommandLine{Problem::UnknownWord, words[0]};
  }
  const std::size_t expected = found->value == Value::None ? 1 : 2;
  if (words.size() < expected) return BadCommandLine{Problem::MissingValue, {}};
  if (words.size() > expected) return BadCommandLine{Problem::ExtraWord, words[expected]};

  Command command{found->kind, 0, {}};
  if (found->value == Value::Number) {
    const auto number = ParseNumber(words[1], found->highest);
    if (!number) return BadCommandLine{Problem::BadNumber, words[1]};
    command.number = *number;
  } else if (found->value == Value::File) {
    if (words[1].empty()) return BadCommandLine{Problem::MissingValue, {}};
    command.file = words[1];
  }
  return command;
}

ParsedCommandLine ParseCommandLine(std::u16string_view commandLine) {
  return ParseCommandWords(CommandLineWords(commandLine));
}

std::u16string RequestText(const Command& command) {
  std::u16string text;
  for (const CommandName& name : kCommands) {
    if (name.kind != command.kind) continue;
    text = name.name;
    if (name.value == Value::Number) text += u'\n' + std::u16string(1, static_cast<char16_t>(u'0' + command.number));
    if (name.value == Value::File) text += u'\n' + command.file;
    break;
  }
  return text;
}

std::optional<Command> ParseRequest(std::u16string_view request) {
  std::vector<std::u16string> words;
  std::size_t start = 0;
  while (start <= request.size()) {
    const std::size_t end = std::min(request.find(u'\n', start), request.size());
    words.emplace_back(request.substr(start, end - start));
    start = end + 1;
  }
  const ParsedCommandLine parsed = ParseCommandWords(words);
  if (const Command* command = std::get_if<Command>(&parsed)) return *command;
  return std::nullopt;
}

bool NeedsRunningDriver(const Command& command) {
  return command.kind != Command::Kind::Help && command.kind != Command::Kind::Backup &&
         command.kind != Command::Kind::Restore;
}

}  // namespace tx80
