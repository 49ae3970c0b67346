#pragma once
#include <string_view>

namespace tx80 {

// The text output of a copy of the program started from a command line to
// give the running one a command.
class Console {
 public:
  virtual ~Console() = default;
  // Writes `text` (lines ended by "\n") where the starter reads it: the file or
  // pipe it redirected the output to, else the console of the process that
  // started the program. Nothing is shown when there is neither (a start from
  // the desktop or a shortcut). Called on the UI thread before any window exists.
  virtual void Write(std::u16string_view text) = 0;
};

}  // namespace tx80
