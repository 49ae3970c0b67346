// Press-to-first-event latency of the software driver on the simulated
// backend: from the mouse's button report to the first injected key event,
// over many presses, with the reader and the executor on real threads and the
// real clock. Beside it the bare path: one thread that reads the report and
// injects at once. The benchmark's own thread sleeps while it waits (it is
// woken by the injection, whose time is taken first), so that on a machine of
// two cores it does not take one from the threads it measures; the same
// presses timed while it spins with yield, as it once did, show what that
// costs.
//
//   press_latency_bench [--smoke] [presses]
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "SteadyClock.h"
#include "app/AppContext.h"
#include "app/CNRV_VIruviDlg.h"
#include "device/ButtonReportReader.h"
#include "functions/FunctionExecutor.h"
#include "platform/sim/SimPlatform.h"

namespace {

using Clock = std::chrono::steady_clock;

// Keeps the time of the latest key event and wakes whoever waits for one.
class TimingInjector : public tx80::InputInjector {
 public:
  void KeyEvent(uint8_t, uint8_t, uint32_t) override {
    last = Clock::now().time_since_epoch().count();
    count.fetch_add(1);
    count.notify_all();
  }
  void MouseButtonEvent(uint32_t) override {}
  uint8_t ScanCode(uint8_t) override { return 0; }
  bool ButtonsSwapped() override { return false; }
  std::optional<tx80::InputTarget> ForegroundTarget() override { return std::nullopt; }
  tx80::Elevation OwnElevation() override { return tx80::Elevation::NotElevated; }

  std::atomic<int64_t> last{0};
  std::atomic<int> count{0};
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(p * (values.size() - 1))];
}

void Print(const char* path, const std::vector<double>& latencies) {
  std::printf("  %-34s median %7.1f us, p99 %7.1f us, max %7.1f us\n", path, Percentile(latencies, 0.5),
              Percentile(latencies, 0.99), *std::max_element(latencies.begin(), latencies.end()));
}

// Until the injector has seen a key event after `before`: asleep, or (as the
// benchmark once waited) spinning with yield on a core of its own.
void WaitForKey(TimingInjector& input, int before, bool spin) {
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (input.count == before) {
    if (Clock::now() > deadline) {
      std::fprintf(stderr, "error: no key event for a press within 10 s\n");
      std::_Exit(1);
    }
    if (spin) {
      std::this_thread::yield();
    } else {
      input.count.wait(before);
    }
  }
}

// Presses the button `presses` times; the time from each press to its first
// key event. `settled` says when the path is ready for the next press.
template <typename Settled>
std::vector<double> TimePresses(tx80::EmulatedMouse& mouse, TimingInjector& input, int presses, bool spin,
                                Settled&& settled) {
  std::vector<double> latencies;
  latencies.reserve(presses);
  for (int i = 0; i < presses; ++i) {
    const int before = input.count;
    const int64_t pressed = Clock::now().time_since_epoch().count();
    mouse.Press(5);
    WaitForKey(input, before, spin);
    latencies.push_back((input.last - pressed) / 1e3);
    mouse.Release(5);
    tx80::bench::WaitFor("end of a press", settled);
    // A hand does not press again within the reader's 2 ms pause after each
    // report; let the reader settle, as between real clicks.
    std::this_thread::sleep_for(std::chrono::milliseconds(6));
  }
  return latencies;
}

}  // namespace

int main(int argc, char** argv) {
  const tx80::bench::Arguments args(argc, argv);
  const int presses = args.smoke ? 20 : args.positional.empty() ? 1000 : std::atoi(args.positional[0].c_str());
  if (presses < 1) {
    std::fprintf(stderr, "usage: %s [--smoke] [presses]\n", argv[0]);
    return 2;
  }
  const auto directory = std::filesystem::temp_directory_path() / "tx80-press-latency";
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  // Slot 4 (the mouse's button 5) holds the mute key: one key event per press.
  std::ofstream(directory / "config.ini") << "[Init]\nCurConfig=1\n[Config1]\nK1=1\nK4=26\n";
  std::ofstream(directory / "Macro_CN.dat") << "[Macros]\nmacroNum=0\n";
  // The start sequence ends without its skin; the shipped one is only read.
  std::filesystem::create_directory_symlink(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins",
                                            directory / "skins");

  tx80::SimDesktop desktop;
  tx80::SimPlatform os(desktop);
  tx80::bench::SteadyClock clock;
  TimingInjector input;
  tx80::Platform platform{clock,        os.dialogs,          os.hid,          input,        os.singleInstance,
                          desktop.systemMouse, os.threads,     os.tray,         os.windows,   os.childControls,
                          os.keyboardHook,     os.popupMenus,  os.shell,        os.images,    os.files,
                          os.autoStart,        os.onScreenDisplay, os.foreground, os.console};
  auto mouse = std::make_shared<tx80::EmulatedMouse>();
  os.hid.Plug(mouse);
  tx80::AppContext context(platform, directory);
  tx80::CNRV_VIruviDlg dialog(context);
  os.windows.Open(dialog);
  if (mouse->Reports().empty()) {
    std::fprintf(stderr, "error: the start sequence sent the mouse no profile (%zu messages shown)\n",
                 os.dialogs.Messages().size());
    return 1;
  }
  // The bare path first, while the driver's threads do not run yet: it reads
  // the reports the driver would.
  std::atomic<bool> bareDone{false};
  std::atomic<int> bareReports{0};
  std::thread bare([&] {
    std::array<uint8_t, tx80::EmulatedMouse::kReportLength> report{};
    while (!bareDone && mouse->ReadInputReport(report)) {
      if (report[1] >= 0xF1) input.KeyEvent(0xAD, 0, 0);
      ++bareReports;
    }
  });
  const auto bareLatencies = TimePresses(*mouse, input, presses, false, [&] { return bareReports % 2 == 0; });
  bareDone = true;
  mouse->Release(5);  // wakes the bare reader to see it is done
  bare.join();
  mouse->Release(5);  // the driver's start click

  std::atomic<int> threadsEnded{0};
  std::thread reader([&] {
    context.Reader().Run();
    ++threadsEnded;
  });
  std::thread executor([&] {
    context.Executor().Run();
    ++threadsEnded;
  });
  tx80::bench::WaitFor("start click", [&] { return context.driver.flags.DriverActive.load(); });
  auto passEnded = [&] { return !context.driver.flags.ButtonPending; };
  const auto driverLatencies = TimePresses(*mouse, input, presses, false, passEnded);
  const auto spinningLatencies = TimePresses(*mouse, input, presses, true, passEnded);
  context.driver.RequestStop();
  mouse->Unplug();
  tx80::bench::WaitFor("end of the driver threads", [&] { return threadsEnded == 2; });
  reader.join();
  executor.join();
  std::filesystem::remove_all(directory);

  std::printf("press-to-first-event latency over %d presses, %u cores:\n", presses, std::thread::hardware_concurrency());
  Print("bare path (reader injects)", bareLatencies);
  Print("driver (reader -> executor)", driverLatencies);
  Print("driver, benchmark spinning", spinningLatencies);
  return 0;
}
