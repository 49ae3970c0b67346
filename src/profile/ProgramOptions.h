#pragma once
#include <filesystem>

namespace tx80 {

class FileStore;

// The program's own switches, section [Options] of config.ini; none of them
// lives in a profile section.

// The on-screen display of changes made with the mouse's buttons: on unless
// ON_SCREEN_DISPLAY says 0.
bool ReadOnScreenDisplayOption(FileStore& files, const std::filesystem::path& config);
bool WriteOnScreenDisplayOption(FileStore& files, const std::filesystem::path& config, bool on);

}  // namespace tx80
