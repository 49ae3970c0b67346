#pragma once
#include <filesystem>

#include "device/DriverFlags.h"
#include "platform/Platform.h"
#include "profile/ProfileModel.h"

namespace tx80 {

// Where the program keeps its files: all beside the program file.
struct AppPaths {
  std::filesystem::path programDirectory;
  std::filesystem::path configPath;      // programDirectory / "config.ini"
  std::filesystem::path skinsDirectory;  // programDirectory / "skins"
  std::filesystem::path macroFilePath;   // "Macro_EN.dat" or "Macro_CN.dat" by language
};

// The state of one running program. The application creates it once and
// passes it by reference; a test may create as many programs as it likes.
struct AppContext {
  AppContext(Platform& platform, std::filesystem::path programDirectory);

  Platform& platform;
  AppPaths paths;
  ProfileModel profile;
  DriverFlags flags;
};

}  // namespace tx80
