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
  // OnInitDialog, then runs the program's own message loop until the window is
  // destroyed. Both backends keep these rules:
  // - The owner is the innermost modal dialog running (none for the first).
  // - The owner, if enabled, is disabled for the loop (it takes no input) and
  //   enabled again before the window goes, and so before RunModal returns.
  // - After OnInitDialog the window is shown, unless StartsHidden says not.
  // - A handler may run another modal dialog: its loop nests inside this one,
  //   which goes on once the inner RunModal returns.
  // - The loop ends when the window is destroyed, by anyone, even in its own
  //   OnInitDialog: RunModal returns the result given to EndDialog, 0 when
  //   the window was destroyed otherwise, -1 when it could not be made.
  // - Posted and input messages for every window of the program (the owner,
  //   modeless dialogs) are dispatched meanwhile by the innermost loop.
  // - Each of them passes the innermost dialog's PreTranslateMessage first
  //   (forDialogOrChild: for that dialog or one of its controls); true
  //   swallows it. Messages sent (WindowHost::Send) bypass it.
  // EndDialog on a modeless dialog only hides it (WindowHost::EndModal).
  virtual int RunModal(fw::Dialog& dialog) = 0;
  // Creates a modeless dialog's window from its template, owned by `owner`,
  // attaches it and calls OnInitDialog; it stays hidden until shown. Its
  // messages come through the loop of the modal dialog running. The backend
  // keeps the host until the window is destroyed; null when it could not be
  // made.
  virtual WindowHost* CreateModeless(fw::Dialog& dialog, WindowHost* owner) = 0;
  // A window of this program whose caption is exactly `caption` (the first
  // the system finds), or null.
  virtual WindowHost* FindByCaption(std::u16string_view caption) = 0;
  // Registers the common control classes (done once, before any dialog).
  virtual void InitializeControls() = 0;
  // A string resource of the program; empty when it has none.
  virtual std::u16string LoadResourceString(int id) = 0;
};

}  // namespace tx80
