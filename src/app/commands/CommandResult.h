#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tx80 {

// The exit codes of a copy of the program started with a command.
namespace exit_code {
inline constexpr int kDone = 0;
// The command line, or what it names, was refused: an unknown command, a
// number out of range, a DPI level switched off, a file that is no sound
// backup or cannot be written. Nothing was changed.
inline constexpr int kRefused = 2;
inline constexpr int kNotRunning = 3;     // no running copy to carry the command out
inline constexpr int kMouseAbsent = 4;    // the command needs the mouse; nothing was changed
}  // namespace exit_code

// What a command came to: its exit code and the text for the console.
struct CommandResult {
  int exitCode = exit_code::kDone;
  std::u16string output;  // lines, each ended by "\n"
  bool operator==(const CommandResult&) const = default;
};

// The reply of the running copy, and back: the exit code's digit, a line
// break, the output.
std::u16string ReplyText(const CommandResult& result);
// Nothing when the text is no reply.
std::optional<CommandResult> ParseReply(std::u16string_view reply);

}  // namespace tx80
