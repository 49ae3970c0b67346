// Press-to-first-event latency of the software driver on the simulated
// backend: from the mouse's button report to the first injected key event,
// over many presses, with the reader and the executor on real threads and the
// real clock (so the executor's poll pause counts).
//
//   press_latency_bench [--smoke] [presses]
#include <algorithm>
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

// Keeps the time of the latest key event.
class TimingInjector : public tx80::InputInjector {
 public:
  void KeyEvent(uint8_t, uint8_t, uint32_t) override {
    last = Clock::now().time_since_epoch().count();
    count.fetch_add(1);
  }
  void MouseButtonEvent(uint32_t) override {}
  uint8_t ScanCode(uint8_t) override { return 0; }

  std::atomic<int64_t> last{0};
  std::atomic<int> count{0};
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(p * (values.size() - 1))];
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
  mouse->Release(5);  // the start click

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

  std::vector<double> latencies;
  latencies.reserve(presses);
  for (int i = 0; i < presses; ++i) {
    const int before = input.count;
    const int64_t pressed = Clock::now().time_since_epoch().count();
    mouse->Press(5);
    tx80::bench::WaitFor("key event for a press", [&] { return input.count != before; });
    latencies.push_back((input.last - pressed) / 1e3);
    mouse->Release(5);
    tx80::bench::WaitFor("end of a press's pass", [&] { return !context.driver.flags.ButtonPending; });
    // A hand does not press again within the reader's 2 ms pause after each
    // report; let the reader settle, as between real clicks.
    std::this_thread::sleep_for(std::chrono::milliseconds(6));
  }
  context.driver.RequestStop();
  mouse->Unplug();
  tx80::bench::WaitFor("end of the driver threads", [&] { return threadsEnded == 2; });
  reader.join();
  executor.join();
  std::filesystem::remove_all(directory);

  std::printf("press-to-first-event latency over %d presses: median %.1f us, p99 %.1f us, max %.1f us\n", presses,
              Percentile(latencies, 0.5), Percentile(latencies, 0.99), *std::max_element(latencies.begin(), latencies.end()));
  return 0;
}
