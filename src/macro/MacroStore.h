#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macro/Macro.h"

namespace tx80 {

class Dialogs;
class WindowHost;

// The twelve macro slots of the current interface language. The UI thread is
// the only writer; the executor reads whole records while a macro plays. One
// lock guards every operation, and readers get copies, so an edit or a delete
// during playback never shows the player half an event.
//
// Slot indexes outside 0..MacroCount-1 (event positions outside the record)
// address no macro: operations on them change nothing.
class MacroStore {
 public:
  static constexpr int kMaxMacros = 12;
  // InsertEvent refuses a macro that already holds this many events.
  static constexpr int kMaxEvents = 254;
  // Delay of an event inserted by editing, in milliseconds.
  static constexpr uint16_t kInsertedDelay = 30;

  int16_t MacroCount() const;
  // Index of the macro shown on the macro page.
  int32_t CurrentMacro() const;
  void SetCurrentMacro(int32_t index);

  // A copy of macro `index`; nothing when 0 <= index < MacroCount does not hold.
  std::optional<Macro> Copy(int index) const;
  // Copies of macros 0..MacroCount-1, taken under one lock (for saving).
  std::vector<Macro> Macros() const;
  // Names of macros 0..MacroCount-1 in list order.
  std::vector<std::u16string> Names() const;

  // First macro whose name equals `name` code unit by code unit; MacroCount
  // when none does.
  int FindMacro(std::u16string_view name) const;
  // Appends a macro with this name (cut to 19 code units), played once, no
  // events. Returns its index, or -1 when the store is full or the name empty.
  int AddMacro(std::u16string_view name);
  // Removes macro `index`; later macros move down one slot. Profiles that refer
  // to macros by index are not changed.
  void RemoveMacro(int index);
  // Turns macro `index` into a blank record with this name, played once, no
  // events. Used when a recording starts.
  void ResetMacro(int index, std::u16string_view name);

  // Inserts (code, action) with delay 30 at `pos` of macro `index`, moving the
  // events and delays from `pos` up by one; a `pos` beyond the last event
  // appends. False, with nothing changed, when the macro already holds 254
  // events or does not exist (see InsertEventOrWarn for the message).
  bool InsertEvent(int index, int pos, uint8_t code, uint8_t action);
  // Shortens the macro by one event, removing event `pos` when it exists.
  void RemoveEvent(int index, int pos);
  // Delay of event slot `event` (0..254) as the user typed it: above 65535
  // stores 65535 and below 0 stores 0, instead of wrapping round.
  void SetDelay(int index, int event, int32_t value);

  // Direct edits of the macro page and the recorder. Event slots 0..254 may be
  // written whatever the event count, as the recorder fills them before it
  // stores the count.
  void SetRepeatMode(int index, uint8_t mode);
  void SetRepeatCount(int index, uint16_t count);
  void SetEvent(int index, int event, uint8_t code, uint8_t action);
  void SetEventCount(int index, int count);  // 0..255

  // Replaces macros 0..n-1 with `macros` (at most 12 are taken), sets
  // MacroCount to n and CurrentMacro to n - 1 (0 when empty). Slots at or
  // beyond n keep what they held. Used by the macro file loader.
  void Replace(std::span<const Macro> macros);

 private:
  Macro* Find(int index);  // caller holds mutex_

  mutable std::mutex mutex_;
  std::array<Macro, kMaxMacros> macros_{};
  int16_t macroCount_ = 0;
  int32_t currentMacro_ = 0;
};

// InsertEvent for the macro page (UI thread): when the macro is full it shows
// the "Overflow!!!" message box owned by `owner`, with no caption text.
bool InsertEventOrWarn(MacroStore& store, Dialogs& dialogs, WindowHost* owner, int index, int pos,
                       uint8_t code, uint8_t action);

}  // namespace tx80
