#pragma once
#include <cstdint>
#include <functional>

#include "device/ApplyProfile.h"
#include "ui/AssignList.h"
#include "ui/Page.h"

namespace fw {
class Dialog;
}

namespace tx80 {

class Clock;
class MacroPage;
class ProfileActions;
class ProfileModel;
class Threads;
struct MainWindowState;

// What the left button does on the main window. Going down: the page tabs
// and their page changes, the edits of the main, advanced and color pages,
// the macro page's operations, the assignment lists, and dragging the window
// by its background; nothing here saves or sends a setting, edits stay in the
// ProfileModel until the next apply. Coming up over a shared element (every
// page shows them): apply, the five profiles, close, minimise, hide, import,
// export, reset, the two languages and the user guide. UI thread only.
class ClickDispatch {
 public:
  // What the dispatch works with, wired by the main window.
  struct Uses {
    fw::Dialog& mainWindow;
    MainWindowState& ui;
    ProfileModel& profile;
    MacroPage& macroPage;
    ProfileActions& profileActions;
    ApplyTarget apply;  // the apply element; the driver's flags for the previews
    AssignListParts assignLists;
    Threads& threads;
    Clock& clock;
    std::function<void()> startBlinkThread;
    // The close and tray elements: the window goes to the notification area.
    std::function<void()> hideToTray;
    // The language elements: 0 Chinese, 1 English.
    std::function<void(int32_t language)> switchLanguage;
  };

  explicit ClickDispatch(Uses uses) : uses_(std::move(uses)) {}

  // WM_LBUTTONDOWN at (x, y), client coordinates, over the elements the last
  // pointer move found (HoverState).
  void MainClickPress(int x, int y);
  // WM_LBUTTONUP at (x, y): acts on the shared element under the pointer now,
  // whichever element the button went down on.
  void MainClickRelease(int x, int y);

 private:
  void PressOnMainPage(int x, int y);
  void PressOnAdvancedPage(int x, int y);
  void PressOnColorPage(int x, int y);
  // Shows another page: its enter actions, after the advanced page's
  // controls went if that page is left.
  void EnterPage(Page page);
  void StartLedPreview();
  // Lets the system move the window as if its caption were dragged.
  void DragWindow(int x, int y);
  // The press has ended without a release reaching the main window: nothing
  // is drawn pressed any more.
  void EndPress();
  void Repaint();

  Uses uses_;
};

}  // namespace tx80
