// What an apply costs config.ini, side by side in one run, on the shipped
// config.ini, for the five shipped profiles applied in turn (as the
// next-profile button does) and for two profiles that differ in every value:
//  - before: the apply's writes ([Init] CurConfig, the profile into [Config6]
//    and into its own section) made key by key, each a read, decode, write and
//    rename of the whole file;
//  - after: the same writes as one batch, one replacement of the file;
//  - the whole ApplyProfile on the simulated program with the emulated mouse,
//    which now includes that batch, for scale.
// Rewrites are the replacements of config.ini that took effect; times are per
// apply on the machine's own file system. Prints, never judges.
//
//   apply_bench [--smoke] [APPLIES]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/AppContext.h"
#include "app/CNRV_VIruviDlg.h"
#include "device/ApplyProfile.h"
#include "framework/PrivateProfile.h"
#include "platform/emulated/EmulatedMouse.h"
#include "platform/sim/SimPlatform.h"
#include "profile/SettingsFile.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kProfiles = 5;
const fs::path kShippedData = fs::path(TX80_SOURCE_DIR) / "data";

struct Figures {
  double rewritesPerApply;
  double microsecondsPerApply;
};

// A fresh program directory: the shipped config.ini and macro files, and the
// shipped skins linked (the start sequence reads them).
fs::path LayOut(const char* name) {
  const fs::path directory = fs::temp_directory_path() / name;
  fs::remove_all(directory);
  fs::create_directories(directory);
  for (const char* file : {"config.ini", "Macro_EN.dat", "Macro_CN.dat"})
    fs::copy_file(kShippedData / file, directory / file);
  fs::create_directory_symlink(kShippedData / "skins", directory / "skins");
  return directory;
}

// Runs `apply` for applies 0, 1, ... `applies` - 1.
Figures Measure(tx80::SimFileStore& files, const fs::path& config, int applies,
                const std::function<void(int apply)>& apply) {
  const int rewritesBefore = files.Replacements(config);
  const auto started = Clock::now();
  for (int i = 0; i < applies; ++i) apply(i);
  const std::chrono::duration<double, std::micro> elapsed = Clock::now() - started;
  return {static_cast<double>(files.Replacements(config) - rewritesBefore) / applies, elapsed.count() / applies};
}

void Print(const char* what, const Figures& f) {
  std::printf("  %-44s %10.1f %14.1f\n", what, f.rewritesPerApply, f.microsecondsPerApply);
}

}  // namespace

int main(int argc, char** argv) {
  int applies = 500;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--smoke") == 0) {
      applies = 10;
    } else {
      applies = std::atoi(argv[i]);
    }
  }
  if (applies < 1) {
    std::fprintf(stderr, "apply_bench: APPLIES must be at least 1\n");
    return 2;
  }

  const fs::path directory = LayOut("tx80-apply-bench");
  const fs::path config = directory / "config.ini";
  tx80::SimDesktop desktop;
  tx80::SimPlatform os(desktop);
  tx80::SimFileStore& files = os.files;

  // The five shipped profiles, as the next-profile button loads them, applied
  // as profiles 1..5 in turn; then two profiles that differ in every value,
  // applied in turn as profile 1.
  std::vector<tx80::ProfileFields> shipped;
  for (int32_t n = 1; n <= kProfiles; ++n) {
    tx80::ProfileModel model;
    tx80::LoadProfile(files, model, config, n, false);
    shipped.push_back(model.Fields());
  }
  tx80::ProfileFields low, high;
  high.K = {41, 42, 43, 44, 45, 46, 47};
  high.DPI_LEVEL = high.WHEEL_STATUS = high.MACRO_MODE2 = 1;
  high.DPI_SET = {5, 6, 7, 8};
  high.DPI_SET_EN = {1, 1, 1, 1};
  high.LED_STATUS = high.DPI_SPEED = high.WHEEL_SPEED = 9;
  high.FIRE_TIME = 300;
  const std::size_t keys = tx80::AppliedProfileWrites(low, 1).size();

  struct Case {
    const char* name;
    std::function<int32_t(int apply)> profile;
    std::function<const tx80::ProfileFields&(int apply)> fields;
  };
  const Case cases[] = {
      {"shipped profiles 1..5 in turn", [](int i) { return i % kProfiles + 1; },
       [&](int i) -> const tx80::ProfileFields& { return shipped[static_cast<std::size_t>(i % kProfiles)]; }},
      {"every value changed", [](int) { return 1; },
       [&](int i) -> const tx80::ProfileFields& { return i % 2 ? high : low; }},
  };
  std::vector<std::pair<Figures, Figures>> writes;
  for (const Case& c : cases) {
    const Figures keyByKey = Measure(files, config, applies, [&](int i) {
      for (const tx80::ProfileWrite& w : tx80::AppliedProfileWrites(c.fields(i), c.profile(i)))
        tx80::WriteProfileString(files, config, w.section, w.key, w.value);
    });
    const Figures batch = Measure(files, config, applies, [&](int i) {
      tx80::SaveAppliedProfile(files, c.fields(i), config, c.profile(i));
    });
    writes.emplace_back(keyByKey, batch);
  }

  // The whole program, started with the emulated mouse. Each apply loads the
  // next profile first, as the button does; the load is no part of an apply
  // and is taken out of the figure.
  auto mouse = std::make_shared<tx80::EmulatedMouse>();
  os.hid.Plug(mouse);
  tx80::AppContext context(os.platform, directory);
  tx80::CNRV_VIruviDlg dialog(context);
  os.windows.Open(dialog);
  if (!dialog.HasWindow() || !context.driver.device.Connected()) {
    std::fprintf(stderr, "apply_bench: the simulated program did not start with the mouse\n");
    return 1;
  }
  double loading = 0;
  const Figures whole = Measure(files, config, applies, [&](int i) {
    const int32_t n = i % kProfiles + 1;
    const auto started = Clock::now();
    context.profile.SetCurConfig(n);
    tx80::LoadProfile(files, context.profile, config, n, false);
    loading += std::chrono::duration<double, std::micro>(Clock::now() - started).count();
    tx80::ApplyProfile(context.applyTarget);
  });
  const Figures wholeApply{whole.rewritesPerApply, whole.microsecondsPerApply - loading / applies};

  std::printf("apply_bench: %d applies per row, %zu keys written per apply, config.ini %ju bytes\n", applies, keys,
              static_cast<std::uintmax_t>(fs::file_size(config)));
  std::printf("  %-44s %10s %14s\n", "", "rewrites", "us per apply");
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    std::printf("  %s:\n", cases[i].name);
    Print("  before: the apply's writes key by key", writes[i].first);
    Print("  after: the apply's writes as one batch", writes[i].second);
  }
  Print("whole ApplyProfile (after), shipped profiles", wholeApply);
  fs::remove_all(directory);
  return 0;
}
