#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace tx80 {

class FileStore;
class ProfileModel;
class SystemMouse;
struct ProfileState;
struct DriverState;

// What an apply works on: the profile in memory, config.ini where it is
// recorded, the driver that sends it to the mouse, and the system's mouse
// settings.
struct ApplyTarget {
  DriverState& driver;
  ProfileModel& profile;
  FileStore& files;
  const std::filesystem::path& configPath;
  SystemMouse& systemMouse;
};

// Makes the mouse and the system mouse settings match the current profile,
// records it in config.ini ([Init] CurConfig, [Config6], its own section) and
// arms the start-click handshake when a button is now reported to the program.
// Takes the profile-operation lock for all but the system settings: the
// system waits on every window while it broadcasts a pointer speed change,
// the program's own UI thread included.
void ApplyProfile(const ApplyTarget& target);

// Profile n becomes the current one, loaded from config.ini, and is applied,
// as one profile operation (per-game switching).
void SelectAndApplyProfile(const ApplyTarget& target, int32_t profile);
// The same for the profile after the current one, 1 after the last (the
// next-profile button); returns the profile now current.
int32_t SelectAndApplyNextProfile(const ApplyTarget& target);

// DPI level (0..3) `choose` picks from the current state, under the
// profile-operation lock, becomes current as the DPI buttons make it: the
// DPI/LED command (the LED kept off while the LED button has it off), a
// repaint, the on-screen notice and DPI_LEVEL saved into the current profile.
// Nothing happens when `choose` picks none. Returns the level picked.
std::optional<int> ChangeDpiLevel(const ApplyTarget& target,
                                  const std::function<std::optional<int>(const ProfileState&)>& choose);

}  // namespace tx80
