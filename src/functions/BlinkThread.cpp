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
  // The driver state is looked at every three seconds, the page after each
  // group of blinks.
  while (flags.CurrentPage == kMainPage && !flags.DriverActive && !context.stopping) {
    for (int i = 0; i < kBlinksBetweenChecks; ++i) {
      flags.StartKeyBlink = !flags.StartKeyBlink;
      context.RepaintMainWindow();
      context.platform.clock.Sleep(kBlinkMs);
    }
  }
  flags.StartKeyBlink = true;
  flags.BlinkThreadRunning = false;
}

}  // namespace tx80
