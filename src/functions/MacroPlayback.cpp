#include "functions/MacroPlayback.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "device/DriverFlags.h"
#include "functions/KeyStrokes.h"
#include "macro/Macro.h"
#include "platform/Clock.h"
#include "platform/InputInjector.h"

namespace tx80 {

namespace {

// How much shorter than recorded a gap may come out: what a late event is
// won back by, on each of the gaps after it.
constexpr auto kMostShortened = std::chrono::milliseconds(1);

// A macro's left button is the user's primary button (and right the
// secondary), whichever physical button the user has made it: the system swaps
// injected buttons as it swaps a hand's.
void InjectMouseButton(uint8_t code, bool down, InputInjector& input) {
  const bool swapped = input.ButtonsSwapped();
  if (code == kMouseLeftCode || code == kMouseRightCode) {
    const bool physicalLeft = (code == kMouseLeftCode) != swapped;
    if (physicalLeft) {
      input.MouseButtonEvent(down ? kMouseLeftDown : kMouseLeftUp);
    } else {
      input.MouseButtonEvent(down ? kMouseRightDown : kMouseRightUp);
    }
  } else {
    input.MouseButtonEvent(down ? kMouseMiddleDown : kMouseMiddleUp);
  }
}

// Keys and mouse buttons pressed by the macro and not yet released, in press
// order. Codes 242..255 are all the middle button, so they count as one.
class HeldInputs {
 public:
  void Pressed(uint8_t code) {
    code = Canonical(code);
    if (std::find(held_.begin(), held_.end(), code) == held_.end()) held_.push_back(code);
  }
  void Released(uint8_t code) { std::erase(held_, Canonical(code)); }
  // Releases them in reverse press order, as a user lets go of a chord.
  void ReleaseAll(InputInjector& input) {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) Inject(*it, false, input);
    held_.clear();
  }
  static void Inject(uint8_t code, bool down, InputInjector& input) {
    if (code >= kMouseLeftCode) {
      InjectMouseButton(code, down, input);
    } else {
      SendKey(code, down, input);
    }
  }

 private:
  static uint8_t Canonical(uint8_t code) { return std::min(code, kMouseMiddleCode); }
  std::vector<uint8_t> held_;
};

int PlayCount(const Macro& macro, int32_t macroMode2) {
  if (macroMode2 != 0) return kHeldPlays;
  return macro.RepeatMode() == 0 ? 1 : macro.RepeatCount();
}

}  // namespace

void PlayMacro(const Macro& macro, int32_t macroMode2, const DriverFlags& flags, InputInjector& input, Clock& clock) {
  const int plays = PlayCount(macro, macroMode2);
  const int events = macro.EventCount();
  HeldInputs held;
  auto stopped = [&] {
    if (!flags.MacroStop.load()) return false;
    held.ReleaseAll(input);
    return true;
  };

  // Each event is scheduled its recorded delay after the one before was
  // scheduled, so that late wake-ups do not add up over a long macro. An
  // event that went out late is caught up on by at most 1 ms per gap after
  // it: a gap shortened more would cut a key hold short enough to be missed.
  // The schedule starts when the first event has actually gone out.
  std::optional<Clock::TimePoint> scheduled;
  for (int play = 0; play < plays; ++play) {
    for (int k = 0; k < events; ++k) {
      const uint8_t code = macro.Code(k);
      const uint8_t action = macro.Action(k);
      if (action == kActionDown) {
        HeldInputs::Inject(code, true, input);
        held.Pressed(code);
      } else if (action == kActionUp) {
        HeldInputs::Inject(code, false, input);
        held.Released(code);
      }
      const Clock::TimePoint sent = clock.Now();
      const auto delay = std::chrono::milliseconds(macro.Delay(k));
      scheduled = scheduled.value_or(sent) + delay;
      clock.SleepUntil(std::max(*scheduled, sent + delay - kMostShortened));
      if (stopped()) return;
    }
    if (stopped()) return;
  }
}

}  // namespace tx80
