#include "functions/MacroPlayback.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

#include "device/DriverFlags.h"
#include "macro/Macro.h"
#include "platform/Clock.h"
#include "platform/InputInjector.h"

namespace tx80 {

namespace {

// How late an event may go out and still count as on time.
constexpr auto kLatenessTolerance = std::chrono::milliseconds(1);

bool IsExtendedKey(uint8_t code) {
  switch (code) {
    case 0x21: case 0x22: case 0x23: case 0x24:  // Page Up, Page Down, End, Home
    case 0x25: case 0x26: case 0x27: case 0x28:  // arrows
    case 0x2C: case 0x2D: case 0x2E:             // Print Screen, Insert, Delete
    case 0x5B: case 0x5D: case 0x6F: case 0x90:  // left Windows, Applications, pad Divide, Num Lock
    case 0xA1: case 0xA3: case 0xA5:             // right Shift, Ctrl, Alt
      return true;
    default:
      return false;
  }
}

// The layout's table has no usable scan code for these three keys.
uint8_t ScanCodeOf(uint8_t code, InputInjector& input) {
  switch (code) {
    case 0x2C: return 0x37;  // Print Screen
    case 0x13: return 0x45;  // Pause
    case 0x5B: return 0x5B;  // left Windows
    default: return input.ScanCode(code);
  }
}

void InjectKey(uint8_t code, bool down, InputInjector& input) {
  uint32_t flags = IsExtendedKey(code) ? kKeyEventExtendedKey : 0;
  if (!down) flags |= kKeyEventKeyUp;
  input.KeyEvent(code, ScanCodeOf(code, input), flags);
}

void InjectMouseButton(uint8_t code, bool down, InputInjector& input) {
  if (code == kMouseLeftCode) {
    input.MouseButtonEvent(down ? kMouseLeftDown : kMouseLeftUp);
  } else if (code == kMouseRightCode) {
    input.MouseButtonEvent(down ? kMouseRightDown : kMouseRightUp);
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
      InjectKey(code, down, input);
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

  // When the current event is due. Each delay is counted from the event's due
  // time, not from when it went out, so a late wake-up below the tolerance is
  // taken from the next delay and a long macro does not drift. The schedule
  // starts when the first event has actually gone out, and starts again from an
  // event that goes out later than the tolerance: catching up on that lateness
  // would shorten the gaps after it, and a shortened key hold is missed.
  std::optional<Clock::TimePoint> due;
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
      if (!due || sent - *due > kLatenessTolerance) due = sent;
      *due += std::chrono::milliseconds(macro.Delay(k));
      clock.SleepUntil(*due);
      if (stopped()) return;
    }
    if (stopped()) return;
  }
}

}  // namespace tx80
