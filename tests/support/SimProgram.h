#pragma once
#include "app/AppContext.h"
#include "app/CNRV_VIruviDlg.h"
#include "platform/sim/SimPlatform.h"
#include "support/TempDir.h"

namespace tx80::test {

// One program on the simulated backend, with its own program directory.
struct SimProgram {
  explicit SimProgram(SimDesktop& desktop) : os(desktop), context(os.platform, dir.path()) {
    for (const char* name : {"Macro_EN.dat", "Macro_CN.dat"}) WriteFile(dir / name, "[Macros]\r\nmacroNum=0\r\n");
    // The skin that ships, linked rather than copied: programs only read it.
    std::filesystem::create_directory_symlink(std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins", dir / "skins");
  }

  // Runs the start sequence of a main window the test holds.
  SimWindowHost& Start() { return os.windows.Open(dialog); }

  TempDir dir;
  SimPlatform os;
  AppContext context;
  CNRV_VIruviDlg dialog{context};
};

}  // namespace tx80::test
