#pragma once
#include <string_view>

namespace tx80 {

// Starting things on the user's desktop, for the button functions (called from
// the executor thread) and the main window's user guide (the UI thread);
// results are not examined.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a file, folder or shell location with its default verb, shown normally.
  virtual void Open(std::u16string_view target) = 0;
  // Opens a document with the verb "open", shown: the user guide in the
  // user's browser.
  virtual void OpenDocument(std::u16string_view path) = 0;
  // Runs a command line, its window shown.
  virtual void Run(std::string_view commandLine) = 0;
  virtual void LockWorkstation() = 0;
};

}  // namespace tx80
