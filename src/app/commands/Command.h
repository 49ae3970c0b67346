#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tx80 {

// A command given on the program's command line, for the running copy of the
// program (or, for some, carried out on the settings files by the copy that
// was started).
struct Command {
  enum class Kind { Profile, Dpi, Apply, Status, Backup, Restore, Help };
  Kind kind = Kind::Help;
  int32_t number = 0;   // Profile: 1..5; Dpi: the DPI level, 1..4
  std::u16string file;  // Backup, Restore
  bool operator==(const Command&) const = default;
};

// A command line without a command: the program itself starts, into the
// notification area with "/tray".
struct ProgramStart {
  bool inTray = false;
  bool operator==(const ProgramStart&) const = default;
};

// A command line that asks for nothing the program knows; `word` is the first
// word at fault (empty: a value is missing at the end).
struct BadCommandLine {
  enum class Problem { UnknownWord, MissingValue, BadNumber, ExtraWord };
  Problem problem = Problem::UnknownWord;
  std::u16string word;
  bool operator==(const BadCommandLine&) const = default;
};

using ParsedCommandLine = std::variant<ProgramStart, Command, BadCommandLine>;

// The words of a command line: blank-separated, a pair of double quotes
// groups blanks into a word (a path with spaces) and is dropped.
std::vector<std::u16string> CommandLineWords(std::u16string_view commandLine);
// What the words ask for. Command names are matched without regard to case;
// numbers are plain decimal digits within the command's range. A line whose
// first word is no command starts the program, unless that word is an
// unknown switch ("/word") and "/tray" is nowhere.
ParsedCommandLine ParseCommandWords(const std::vector<std::u16string>& words);
ParsedCommandLine ParseCommandLine(std::u16string_view commandLine);

// A command as the running copy receives it, and back: its words, one a line
// (no word of a command holds a line break; Windows paths cannot).
std::u16string RequestText(const Command& command);
// Nothing when the text is no command (an older or foreign sender).
std::optional<Command> ParseRequest(std::u16string_view request);

// Whether the command needs the running driver, or can be carried out on the
// settings files when none runs.
bool NeedsRunningDriver(const Command& command);

}  // namespace tx80
