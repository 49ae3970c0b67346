#pragma once
#include <cstdint>

namespace tx80 {

class Clock;
class InputInjector;
class Macro;
struct DriverFlags;

// How often a macro plays while its button is held (MACRO_MODE2 nonzero): in
// practice until the release stops it.
inline constexpr int kHeldPlays = 100000;

// Plays `macro` on the executor thread: each event is injected, then its delay
// is waited, against absolute deadlines so that a long macro does not drift.
// No gap between two events comes out more than 1 ms shorter than its
// recorded delay: the schedule starts once the first event has gone out, and
// lateness is won back by at most 1 ms on each following gap.
// Plays once, RepeatCount times (RepeatMode nonzero), or until stopped while
// held (`macroMode2` nonzero). MacroStop is looked at after each event's delay
// and after each play; a stop releases every key and mouse button the macro
// pressed and has not released. `macro` is the caller's own copy, so edits on
// the macro page cannot change it while it plays.
void PlayMacro(const Macro& macro, int32_t macroMode2, const DriverFlags& flags, InputInjector& input, Clock& clock);

}  // namespace tx80
