#pragma once
#include <array>
#include <cstdint>

#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "framework/Message.h"
#include "framework/Rect.h"
#include "macro/CEditableListBox.h"
#include "macro/EventDisplay.h"
#include "macro/MacroRecorder.h"

namespace fw {
class Dialog;
}

namespace tx80 {

struct AppContext;
class MacroStore;
class WindowHost;

// The macro page (the advanced page) of the main window: its four child
// controls, the operations of its regions on macros, recording, the event
// list's right-button menu and the in-place delay editor. The main window
// owns one, made once at start-up; the controls' windows exist only while the
// page is shown. UI thread only.
class MacroPage {
 public:
  static constexpr int kMacroNameEditId = 10000;
  static constexpr int kMacroListId = 10001;
  static constexpr int kEventListId = 10002;
  static constexpr int kRepeatCountEditId = 10004;
  // ControlRects of the skin, in this order.
  enum ControlRect { kRepeatCountRect, kMacroNameRect, kMacroListRect, kEventListRect };

  MacroPage(fw::Dialog& mainWindow, AppContext& context, MacroStore& store);

  // Entering the page: the four windows at their rectangles, in the order of
  // ControlRect. The page then runs RefreshMacroList.
  void CreateControls(const std::array<fw::Rect, 4>& rects);
  // Leaving the page.
  void DestroyControls();

  // Start-up, after the macro file is loaded: the editing commands refer to the
  // last event line of the current macro.
  void ResetSelectedLine();

  // Every message of the main window's loop: records keystrokes while
  // recording, and opens the event menu on a right-button release over the
  // event list while the page is shown. Nothing is swallowed.
  void OnPreTranslateMessage(const fw::Message& message);
  // WM_COMMAND: the event menu's commands and the macro list's selection
  // notice. False for what is not the page's.
  bool OnCommand(uint32_t id, uint32_t notifyCode);
  // kEditorClosedMessage from the event list: store the delay typed.
  void OnCommitDelay();
  // The macro list's selection changed (ShowMacro).
  void OnMacroListSelChange();

  // Operations of the page's regions.
  void ImportMacros();
  void ExportMacros();
  void NewMacro();
  void DeleteMacro();
  void ToggleRecording() { recorder_.ToggleRecording(); }
  void SaveMacros();
  void ToggleRepeatMode();
  void RefreshMacroList();

  bool Recording() const { return recorder_.Recording(); }
  const EventCounters& Counters() const { return display_.Counters(); }
  int SelectedLine() const { return selectedLine_; }

  fw::Edit& RepeatCountEdit() { return repeatCountEdit_; }
  fw::Edit& MacroNameEdit() { return macroNameEdit_; }
  fw::ListBox& MacroList() { return macroList_; }
  CEditableListBox& EventList() { return eventList_; }

 private:
  void ShowMacro();
  void RefreshEventList(int index);
  void OnRightButtonUp();
  void InsertMouseEvent(bool after, uint8_t code, uint8_t action);
  void ModifyDelay();
  void DeleteEvent();
  WindowHost* Owner() const;

  fw::Dialog& mainWindow_;
  AppContext& context_;
  MacroStore& store_;

  fw::Edit repeatCountEdit_;
  fw::Edit macroNameEdit_;
  fw::ListBox macroList_;
  CEditableListBox eventList_;

  EventDisplay display_;
  MacroRecorder recorder_;

  // The event-list line the editing commands refer to.
  int selectedLine_ = 0;
  // Taken when the event menu was last asked for.
  int eventListCount_ = 0;
  int menuMacro_ = -1;
  int menuEvent_ = 0;
};

}  // namespace tx80
