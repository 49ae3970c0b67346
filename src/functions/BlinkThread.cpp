#include "functions/BlinkThread.h"

#include <utility>

#include "device/DriverState.h"
#include "platform/Clock.h"
#include "platform/Threads.h"

namespace tx80 {

namespace {
constexpr int kBlinksBetweenChecks = 6;
constexpr int kBlinkMs = 500;
}  // namespace

void RunBlinkThread(DriverState& driver, Clock& clock, const std::function<bool()>& mainPageShown) {
  DriverFlags& flags = driver.flags;
  auto waiting = [&] { return mainPageShown() && !flags.DriverActive && !driver.stopping; };
  do {
    // The driver state is looked at every three seconds, the page after each
    // group of blinks.
    while (waiting()) {
      for (int i = 0; i < kBlinksBetweenChecks; ++i) {
        flags.StartKeyBlink = !flags.StartKeyBlink;
        driver.events.Repaint();
        clock.Sleep(kBlinkMs);
      }
    }
    flags.StartKeyBlink = true;
    flags.BlinkThreadRunning = false;
    // An apply that entered Waiting just before the flag cleared found this
    // thread running and started none: blink for it.
  } while (waiting() && !flags.BlinkThreadRunning.exchange(true));
}

bool StartBlinkThread(DriverState& driver, Threads& threads, Clock& clock, std::function<bool()> mainPageShown) {
  if (driver.flags.BlinkThreadRunning.exchange(true)) return false;
  threads.Start([&driver, &clock, shown = std::move(mainPageShown)] { RunBlinkThread(driver, clock, shown); },
                ThreadPriority::Normal);
  return true;
}

}  // namespace tx80
