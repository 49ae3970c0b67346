#include "functions/BlinkThread.h"

#include "app/AppContext.h"

namespace tx80 {

namespace {
constexpr int kBlinksBetweenChecks = 6;
constexpr int kBlinkMs = 500;
constexpr uint8_t kMainPage = 0;
}  // namespace

void RunBlinkThread(AppContext& context) {
  DriverFlags& flags = context.flags;
  auto waiting = [&] { return flags.CurrentPage == kMainPage && !flags.DriverActive && !context.stopping; };
  do {
    // The driver state is looked at every three seconds, the page after each
    // group of blinks.
    while (waiting()) {
      for (int i = 0; i < kBlinksBetweenChecks; ++i) {
        flags.StartKeyBlink = !flags.StartKeyBlink;
        context.RepaintMainWindow();
        context.platform.clock.Sleep(kBlinkMs);
      }
    }
    flags.StartKeyBlink = true;
    flags.BlinkThreadRunning = false;
    // An apply that entered Waiting just before the flag cleared found this
    // thread running and started none: blink for it.
  } while (waiting() && !flags.BlinkThreadRunning.exchange(true));
}

}  // namespace tx80
