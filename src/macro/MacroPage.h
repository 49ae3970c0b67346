#pragma once
#include <array>
#include <cstdint>
#include <filesystem>

#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "framework/Message.h"
#include "framework/Rect.h"
#include "macro/CEditableListBox.h"
#include "macro/EventDisplay.h"
#include "macro/MacroRecorder.h"

namespace fw {
class Dialog;
class Menu;
}  // namespace fw

namespace tx80 {

class ChildControls;
class Clock;
class Dialogs;
class FileStore;
class KeyboardHook;
class MacroStore;
class PopupMenus;
class ProfileModel;
class SaveReporter;
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

  // What the page works with, wired by the main window.
  struct Uses {
    fw::Dialog& mainWindow;  // the page's controls are its children
    MacroStore& store;
    const ProfileModel& profile;  // the interface language
    ChildControls& childControls;
    Dialogs& dialogs;
    FileStore& files;
    Clock& clock;
    KeyboardHook& keyboardHook;
    PopupMenus& popupMenus;  // where the pointer is
    fw::Menu& eventMenu;     // the event list's right-button menu
    SaveReporter& saves;
    const std::filesystem::path& settingsDirectory;  // the macro files, and where the file dialogs open
    const std::filesystem::path& skinsDirectory;    // the default macros
  };

  explicit MacroPage(const Uses& uses);

  // Entering the page: the four windows at their rectangles, in the order of
  // ControlRect. The page then runs RefreshMacroList.
  void CreateControls(const std::array<fw::Rect, 4>& rects);
  // Leaving the page.
  void DestroyControls();
  // The page is shown: its controls exist.
  bool Shown() const { return shown_; }

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

  // The macro file of the interface language replaces the macros in memory
  // (a language switch); the page's list follows while it is shown.
  void LoadLanguageMacros();
  // The default macros of the interface language replace the macros, in
  // memory and in the macro file (a reset). Without them the user's own stay,
  // and the missing file is told.
  void ResetToDefaultMacros();

  bool Recording() const { return recorder_.Recording(); }
  const EventCounters& Counters() const { return display_.Counters(); }
  int SelectedLine() const { return selectedLine_; }

  CEditableListBox& EventList() { return eventList_; }

 private:
  void ShowMacro();
  void RefreshEventList(int index);
  void OnRightButtonUp();
  void InsertMouseEvent(bool after, uint8_t code, uint8_t action);
  void ModifyDelay();
  void DeleteEvent();
  WindowHost* Owner() const;
  void Repaint();
  std::filesystem::path MacroFile() const;

  Uses uses_;
  MacroStore& store_;

  fw::Edit repeatCountEdit_;
  fw::Edit macroNameEdit_;
  fw::ListBox macroList_;
  CEditableListBox eventList_;

  EventDisplay display_;
  MacroRecorder recorder_;

  bool shown_ = false;
  // The event-list line the editing commands refer to.
  int selectedLine_ = 0;
  // Taken when the event menu was last asked for.
  int eventListCount_ = 0;
  int menuMacro_ = -1;
  int menuEvent_ = 0;
};

}  // namespace tx80
