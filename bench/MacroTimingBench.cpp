// Macro timing on the real clock: a macro of equal delays played once, by the
// program's schedule and, in the same run, by the schedule it replaced (every
// delay counted from the moment playback began, late events or not). Each runs
// with injection on time, with a slow first injection, and with one stall in
// the middle. Prints, per gap between two events, how far it strays from its
// delay (p50, p95, max) and the shortest gap against its delay; never judges.
//
//   macro_timing_bench [--smoke] [events 2..254] [delay ms]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "SteadyClock.h"
#include "device/DriverFlags.h"
#include "functions/MacroPlayback.h"
#include "macro/Macro.h"
#include "platform/InputInjector.h"

namespace {

using namespace std::chrono;

// Notes when each event goes out; injects nothing. The event `slowEvent` takes
// `slowFor` first, as a slow system or a descheduled thread would.
class TimingInjector : public tx80::InputInjector {
 public:
  TimingInjector(int slowEvent, milliseconds slowFor) : slowEvent_(slowEvent), slowFor_(slowFor) {}
  void KeyEvent(uint8_t, uint8_t, uint32_t) override { GoOut(); }
  void MouseButtonEvent(uint32_t) override { GoOut(); }
  uint8_t ScanCode(uint8_t) override { return 0; }
  bool ButtonsSwapped() override { return false; }
  std::optional<tx80::InputTarget> ForegroundTarget() override { return std::nullopt; }
  tx80::Elevation OwnElevation() override { return tx80::Elevation::NotElevated; }

  std::vector<steady_clock::time_point> times;

 private:
  void GoOut() {
    if (static_cast<int>(times.size()) == slowEvent_) std::this_thread::sleep_for(slowFor_);
    times.push_back(steady_clock::now());
  }
  int slowEvent_;
  milliseconds slowFor_;
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
    milliseconds slowFor;
  } conditions[] = {
      {"on time", -1, {}},
      {"first event 20 ms late", 0, milliseconds(20)},
      {"stall of 100 ms midway", events / 2, milliseconds(100)},
  };
  const struct {
    const char* name;
    void (*play)(const tx80::Macro&, tx80::InputInjector&, tx80::Clock&);
  } schedules[] = {{"old", PlayOnFixedSchedule}, {"new", PlayAsTheProgramDoes}};

  std::printf("Macro timing: %d events, %d ms apart, on the real clock\n", events, delayMs);
  std::printf("gap error = |gap - delay|; shortest = shortest gap - delay\n");
  std::printf("%-24s %-4s %10s %10s %10s %12s\n", "injection", "", "p50 ms", "p95 ms", "max ms", "shortest ms");
  tx80::bench::SteadyClock clock;
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
      std::printf("%-24s %-4s %10.3f %10.3f %10.3f %12.3f\n", condition.name, schedule.name, Percentile(error, 0.5),
                  Percentile(error, 0.95), *std::max_element(error.begin(), error.end()), shortest);
    }
  }
  return 0;
}
