#pragma once
#include <string>
#include <string_view>

namespace fw {
class Dialog;
}

namespace tx80 {

class WindowHost;

// Creates the program's windows from its resources and runs them.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // Creates the dialog's window from its template, attaches it, calls
  // OnInitDialog, then runs the program's own message loop (every message
  // passes the dialog's PreTranslateMessage) until the window is destroyed.
  virtual int RunModal(fw::Dialog& dialog) = 0;
  // Registers the common control classes (done once, before any dialog).
  virtual void InitializeControls() = 0;
  // A string resource of the program; empty when it has none.
  virtual std::u16string LoadResourceString(int id) = 0;
};

}  // namespace tx80
