#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "macro/Macro.h"

namespace fw {
class Dialog;
class Edit;
class ListBox;
}  // namespace fw

namespace tx80 {

class ProfileModel;

// "[↓]A", "[↑]Right_Key"; an action other than down or up shows no mark.
std::u16string EventLine(uint8_t code, uint8_t action, int languageFlag);
// "    30ms": the pause after an event.
std::u16string DelayLine(uint16_t delay);

// Events shown in the event list, by direction. The page draws them as
// "[↓]n" and "[↑]n"; the recorder stops storing presses at 108 down events.
struct EventCounters {
  int down = 0;
  int up = 0;
  std::u16string DownText() const;
  std::u16string UpText() const;
};

// The line FormatMacroEvent selects afterwards: the last one while a
// recording runs, otherwise the page's selectedLine.
struct LineToSelect {
  bool last = false;
  int line = 0;
};

// The event list of the macro page: event k of a macro is line 2k, the pause
// after it line 2k + 1; the last event's pause is not shown. The key names
// follow the interface language at the moment a line is built.
class EventDisplay {
 public:
  EventDisplay(fw::ListBox& eventList, fw::Edit& repeatCountEdit, fw::Dialog& mainWindow,
               const ProfileModel& profile);

  // Appends the lines of event k (its predecessor's pause first, for k > 0),
  // counts it, has the main window redrawn (the counters), and selects a line.
  void FormatMacroEvent(const Macro& macro, int k, LineToSelect select);
  // Rebuilds the list for a macro (none: an empty list). With events, the
  // repeat count edit shows the count and is enabled when the macro repeats,
  // else shows "1" and is disabled; without events it is left as it is.
  void RefreshEventList(const std::optional<Macro>& macro, LineToSelect select);

  void ResetCounters() { counters_ = {}; }
  const EventCounters& Counters() const { return counters_; }

 private:
  fw::ListBox& eventList_;
  fw::Edit& repeatCountEdit_;
  fw::Dialog& mainWindow_;
  const ProfileModel& profile_;
  EventCounters counters_;
};

}  // namespace tx80
