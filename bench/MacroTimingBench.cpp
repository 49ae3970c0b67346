// Macro timing on the real clock: a macro of equal delays played once, by the
// program's schedule and, in the same run, by the two it replaced: "fixed"
// (every delay counted from the moment playback began, late events or not)
// and "re-anchored" (the schedule started again at every event more than 1 ms
// late). Each runs with injection on time, with a slow first injection, with
// one stall in the middle, and with every event 1.5 ms late (as wake-ups under
// Wine). Prints, per gap between two events, how far it strays from its delay
// (p50, p95, max), the shortest gap against its delay, and the whole macro's
// length against the recorded one; never judges. Built for Windows too, where
// it waits on the program's own clock.
//
//   macro_timing_bench [--smoke] [events 2..254] [delay ms]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "SteadyClock.h"
#ifdef _WIN32
#include "platform/win32/Win32Clock.h"
#endif
#include "device/DriverFlags.h"
#include "functions/MacroPlayback.h"
#include "macro/Macro.h"
#include "platform/InputInjector.h"

namespace {

using namespace std::chrono;

// Notes when each event goes out; injects nothing. The event `slowEvent` (every
// event for -2) takes `slowFor` first, as a slow system or a descheduled thread
// would.
class TimingInjector : public tx80::InputInjector {
 public:
  TimingInjector(int slowEvent, microseconds slowFor) : slowEvent_(slowEvent), slowFor_(slowFor) {}
  void KeyEvent(uint8_t, uint8_t, uint32_t) override { GoOut(); }
  void MouseButtonEvent(uint32_t) override { GoOut(); }
  uint8_t ScanCode(uint8_t) override { return 0; }
  bool ButtonsSwapped() override { return false; }
  std::optional<tx80::InputTarget> ForegroundTarget() override { return std::nullopt; }
  tx80::Elevation OwnElevation() override { return tx80::Elevation::NotElevated; }

  std::vector<steady_clock::time_point> times;

 private:
  void GoOut() {
    if (slowEvent_ == -2 || static_cast<int>(times.size()) == slowEvent_) {
      const auto until = steady_clock::now() + slowFor_;
      while (steady_clock::now() < until) {
      }
    }
    times.push_back(steady_clock::now());
  }
  int slowEvent_;
  microseconds slowFor_;
};

// The schedule playback used before: deadlines counted from the start of
// playback, so a late event is caught up on by shortening the gaps after it.
void PlayOnFixedSchedule(const tx80::Macro& macro, tx80::InputInjector& input, tx80::Clock& clock) {
  tx80::Clock::TimePoint deadline = clock.Now();
  for (int k = 0; k < macro.EventCount(); ++k) {
    input.KeyEvent(macro.Code(k), 0, macro.Action(k) == tx80::kActionUp ? tx80::kKeyEventKeyUp : 0);
    deadline += milliseconds(macro.Delay(k));
    clock.SleepUntil(deadline);
  }
}

// The schedule before the current one: restarted from any event that went out
// more than 1 ms late.
void PlayReanchored(const tx80::Macro& macro, tx80::InputInjector& input, tx80::Clock& clock) {
  std::optional<tx80::Clock::TimePoint> due;
  for (int k = 0; k < macro.EventCount(); ++k) {
    input.KeyEvent(macro.Code(k), 0, macro.Action(k) == tx80::kActionUp ? tx80::kKeyEventKeyUp : 0);
    const tx80::Clock::TimePoint sent = clock.Now();
    if (!due || sent - *due > milliseconds(1)) due = sent;
    *due += milliseconds(macro.Delay(k));
    clock.SleepUntil(*due);
  }
}

void PlayAsTheProgramDoes(const tx80::Macro& macro, tx80::InputInjector& input, tx80::Clock& clock) {
  const tx80::DriverFlags flags;
  tx80::PlayMacro(macro, 0, flags, input, clock);
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  const tx80::bench::Arguments args(argc, argv);
  const int events = args.smoke ? 10 : args.positional.size() > 0 ? std::atoi(args.positional[0].c_str()) : 100;
  const int delayMs = args.smoke ? 5 : args.positional.size() > 1 ? std::atoi(args.positional[1].c_str()) : 20;
  if (events < 2 || events > 254 || delayMs < 1 || delayMs > 65535) {
    std::fprintf(stderr, "usage: %s [--smoke] [events 2..254] [delay ms 1..65535]\n", argv[0]);
    return 2;
  }

  tx80::Macro macro;
  macro.SetName(u"timing");
  macro.SetRepeatCount(1);
  macro.SetEventCount(static_cast<uint8_t>(events));
  for (int k = 0; k < events; ++k) {
    macro.SetEvent(k, 'A', k % 2 == 0 ? tx80::kActionDown : tx80::kActionUp);
    macro.SetDelay(k, static_cast<uint16_t>(delayMs));
  }

  const struct {
    const char* name;
    int slowEvent;
    microseconds slowFor;
  } conditions[] = {
      {"on time", -1, {}},
      {"first event 20 ms late", 0, milliseconds(20)},
      {"stall of 100 ms midway", events / 2, milliseconds(100)},
      {"every event 1.5 ms late", -2, microseconds(1500)},
  };
  const struct {
    const char* name;
    void (*play)(const tx80::Macro&, tx80::InputInjector&, tx80::Clock&);
  } schedules[] = {
      {"fixed", PlayOnFixedSchedule}, {"re-anchored", PlayReanchored}, {"new", PlayAsTheProgramDoes}};

  std::printf("Macro timing: %d events, %d ms apart, on the real clock\n", events, delayMs);
  std::printf("length = first to last event, against the recorded length\n");
  std::printf("gap error = |gap - delay|; shortest = shortest gap - delay\n");
  std::printf("%-24s %-11s %8s %8s %8s %12s %10s\n", "injection", "schedule", "p50 ms", "p95 ms", "max ms",
              "shortest ms", "length ms");
#ifdef _WIN32
  tx80::Win32Clock clock;
#else
  tx80::bench::SteadyClock clock;
#endif
  for (const auto& condition : conditions) {
    for (const auto& schedule : schedules) {
      TimingInjector input(condition.slowEvent, condition.slowFor);
      schedule.play(macro, input, clock);
      std::vector<double> error;
      double shortest = 1e9;
      for (std::size_t k = 1; k < input.times.size(); ++k) {
        const double off = duration<double, std::milli>(input.times[k] - input.times[k - 1]).count() - delayMs;
        error.push_back(std::abs(off));
        shortest = std::min(shortest, off);
      }
      const double length = duration<double, std::milli>(input.times.back() - input.times.front()).count();
      std::printf("%-24s %-11s %8.3f %8.3f %8.3f %12.3f %+10.3f\n", condition.name, schedule.name,
                  Percentile(error, 0.5), Percentile(error, 0.95), *std::max_element(error.begin(), error.end()),
                  shortest, length - static_cast<double>(delayMs) * (events - 1));
    }
  }
  return 0;
}
