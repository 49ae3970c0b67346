#include "macro/EventDisplay.h"

#include "framework/Decimal.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "macro/KeyNames.h"
#include "platform/WindowHost.h"
#include "profile/ProfileModel.h"

namespace tx80 {

namespace {
constexpr std::u16string_view kDownMark = u"[↓]";
constexpr std::u16string_view kUpMark = u"[↑]";
}  // namespace

std::u16string EventLine(uint8_t code, uint8_t action, int languageFlag) {
  std::u16string line;
  if (action == kActionDown) line = kDownMark;
  if (action == kActionUp) line = kUpMark;
  return line + KeyName(code, languageFlag);
}

std::u16string DelayLine(uint16_t delay) { return u"    " + FormatDecimal(delay) + u"ms"; }

std::u16string EventCounters::DownText() const { return std::u16string(kDownMark) + FormatDecimal(down); }

std::u16string EventCounters::UpText() const { return std::u16string(kUpMark) + FormatDecimal(up); }

EventDisplay::EventDisplay(fw::ListBox& eventList, fw::Edit& repeatCountEdit, fw::Dialog& mainWindow,
                           const ProfileModel& profile)
    : eventList_(eventList), repeatCountEdit_(repeatCountEdit), mainWindow_(mainWindow), profile_(profile) {}

void EventDisplay::FormatMacroEvent(const Macro& macro, int k, LineToSelect select) {
  const uint8_t action = macro.Action(k);
  const std::u16string line = EventLine(macro.Code(k), action, profile_.LanguageFlag());
  if (k > 0) eventList_.AddString(DelayLine(macro.Delay(k - 1)));
  eventList_.AddString(line);
  if (action == kActionDown) ++counters_.down;
  if (action == kActionUp) ++counters_.up;
  if (mainWindow_.HasWindow()) mainWindow_.Host().Invalidate(true);
  eventList_.SetCurSel(select.last ? eventList_.Count() - 1 : select.line);
}

void EventDisplay::RefreshEventList(const std::optional<Macro>& macro, LineToSelect select) {
  ResetCounters();
  eventList_.DeleteAll();
  if (!macro || macro->EventCount() == 0) return;
  for (int k = 0; k < macro->EventCount(); ++k) FormatMacroEvent(*macro, k, select);
  if (macro->RepeatMode() == 1) {
    repeatCountEdit_.SetText(FormatDecimal(macro->RepeatCount()));
    repeatCountEdit_.Enable(true);
  } else {
    repeatCountEdit_.SetText(u"1");
    repeatCountEdit_.Enable(false);
  }
}

}  // namespace tx80
