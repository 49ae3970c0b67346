#pragma once
#include <string_view>

namespace tx80 {

// Starting things on the user's desktop, for the button functions. Called from
// the executor thread; results are not examined.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a file, folder or shell location with its default verb, shown normally.
  virtual void Open(std::u16string_view target) = 0;
  // Runs a command line, its window shown.
  virtual void Run(std::string_view commandLine) = 0;
  virtual void LockWorkstation() = 0;
};

}  // namespace tx80
