#pragma once

namespace tx80 {

struct AppContext;

// The start-click slot number blinks in the status line: StartKeyBlink flips
// every 500 ms while the main page is shown and the driver waits. Ends by
// itself, leaving StartKeyBlink set and BlinkThreadRunning cleared.
void RunBlinkThread(AppContext& context);

}  // namespace tx80
