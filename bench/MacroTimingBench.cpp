// Macro timing on the real clock: a macro of 100 events, 20 ms apart, played
// once. Prints how far each event's gap to the previous one strays from 20 ms
// (p50, p95, max), how late events come against their schedule, and the drift
// of the whole macro.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "SteadyClock.h"
#include "device/DriverFlags.h"
#include "functions/MacroPlayback.h"
#include "macro/Macro.h"
#include "platform/InputInjector.h"

namespace {

using namespace std::chrono;

// Notes when each event arrives; injects nothing.
class TimingInjector : public tx80::InputInjector {
 public:
  explicit TimingInjector(std::size_t expected) { times.reserve(expected); }
  void KeyEvent(uint8_t, uint8_t, uint32_t) override { times.push_back(steady_clock::now()); }
  void MouseButtonEvent(uint32_t) override { times.push_back(steady_clock::now()); }
  uint8_t ScanCode(uint8_t) override { return 0; }

  std::vector<steady_clock::time_point> times;
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

void PrintRow(const char* what, const std::vector<double>& ms) {
  std::printf("%-34s p50 %7.3f ms   p95 %7.3f ms   max %7.3f ms\n", what, Percentile(ms, 0.5), Percentile(ms, 0.95),
              *std::max_element(ms.begin(), ms.end()));
}

}  // namespace

int main(int argc, char** argv) {
  const int events = argc > 1 ? std::atoi(argv[1]) : 100;
  const int delayMs = argc > 2 ? std::atoi(argv[2]) : 20;
  if (events < 2 || events > 254 || delayMs < 0 || delayMs > 65535) {
    std::fprintf(stderr, "usage: %s [events 2..254] [delay ms]\n", argv[0]);
    return 2;
  }

  tx80::Macro macro;
  macro.SetName(u"timing");
  macro.setRepeatCount(1);
  macro.setEventCount(static_cast<uint8_t>(events));
  for (int k = 0; k < events; ++k) {
    macro.setEvent(k, 'A', k % 2 == 0 ? tx80::kActionDown : tx80::kActionUp);
    macro.setDelay(k, static_cast<uint16_t>(delayMs));
  }

  tx80::bench::SteadyClock clock;
  tx80::DriverFlags flags;
  TimingInjector input(static_cast<std::size_t>(events));
  const auto start = steady_clock::now();
  tx80::PlayMacro(macro, 0, flags, input, clock);
  const auto end = steady_clock::now();

  auto ms = [](steady_clock::duration d) { return duration<double, std::milli>(d).count(); };
  std::vector<double> gapError;   // |gap to previous event - delay|
  std::vector<double> lateness;   // event time - scheduled time
  for (std::size_t k = 0; k < input.times.size(); ++k) {
    lateness.push_back(ms(input.times[k] - start) - static_cast<double>(k) * delayMs);
    if (k > 0) gapError.push_back(std::abs(ms(input.times[k] - input.times[k - 1]) - delayMs));
  }

  std::printf("Macro timing: %d events, %d ms apart, on the real clock\n", events, delayMs);
  PrintRow("step error (gap vs delay)", gapError);
  PrintRow("lateness against schedule", lateness);
  std::printf("total drift: %.3f ms (played %.3f ms, scheduled %d ms)\n", ms(end - start) - events * delayMs,
              ms(end - start), events * delayMs);
  return 0;
}
