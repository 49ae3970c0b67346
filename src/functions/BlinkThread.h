#pragma once
#include <functional>

namespace tx80 {

class Clock;
class Threads;
struct DriverState;

// The start-click slot number blinks in the status line: StartKeyBlink flips
// every 500 ms while the main page is shown (`mainPageShown`) and the driver
// waits. Ends by itself, leaving StartKeyBlink set and BlinkThreadRunning
// cleared.
void RunBlinkThread(DriverState& driver, Clock& clock, const std::function<bool()>& mainPageShown);

// Starts a blink thread unless one runs (BlinkThreadRunning); true when it
// started one. The thread keeps the references it is given.
bool StartBlinkThread(DriverState& driver, Threads& threads, Clock& clock, std::function<bool()> mainPageShown);

}  // namespace tx80
