#pragma once
#include <cstdint>

#include "framework/Rect.h"
#include "ui/HitTest.h"

namespace fw {
class Dialog;
}

namespace tx80 {

struct AppContext;
class MacroPage;

// What the left button going down does on the main window: the page tabs and
// their page changes, the edits of the main, advanced and color pages, the
// macro page's operations, the assignment menus, and dragging the window by
// its background. Shared elements act on release instead (ProfileActions).
// Nothing here saves or sends a setting: edits stay in the ProfileModel until
// the next apply. UI thread only.
class ClickDispatch {
 public:
  // The pages (CurrentPage).
  enum SkinPage : uint8_t { kMainPage = 0, kAdvancedPage = 1, kColorPage = 2 };

  ClickDispatch(fw::Dialog& mainWindow, AppContext& context, MacroPage& macroPage);

  // WM_LBUTTONDOWN at (x, y), client coordinates, over the elements the last
  // pointer move found (HoverState).
  void MainClickPress(int x, int y);

  // The button element (25..31) whose assignment menu was asked for last
  // (kNoElement before any), and the screen point below it where the menu
  // opens.
  int32_t AssignTarget() const { return assignTarget_; }
  fw::Point PopupOrigin() const { return popupOrigin_; }

 private:
  void PressOnMainPage(int x, int y);
  void PressOnAdvancedPage(int x, int y);
  void PressOnColorPage(int x, int y);
  // Shows another page: its enter actions, after the advanced page's
  // controls went if that page is left.
  void EnterPage(SkinPage page);
  void OpenAssignMenu(int32_t code);
  // Lets the system move the window as if its caption were dragged.
  void DragWindow(int x, int y);
  void Repaint();

  fw::Dialog& mainWindow_;
  AppContext& context_;
  MacroPage& macroPage_;
  int32_t assignTarget_ = kNoElement;
  fw::Point popupOrigin_;
};

}  // namespace tx80
