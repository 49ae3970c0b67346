#pragma once
#include <cstdint>
#include <functional>
#include <optional>

namespace tx80 {

struct AppContext;

// The items at the end of the tray menu: start with Windows, the on-screen
// display, the game profiles dialog. The same command ids in both languages.
// UI thread only.
class TrayOptions {
 public:
  static constexpr uint32_t kStartWithWindows = 32840;
  static constexpr uint32_t kOnScreenDisplay = 32841;
  static constexpr uint32_t kGameProfiles = 32842;

  // `openGameProfiles` runs the game profiles dialog.
  TrayOptions(AppContext& context, std::function<void()> openGameProfiles);

  // Start-up: reads [Options]; an entry in the sign-in start list follows a
  // program that was moved.
  void Load();
  // The items' commands; false for others.
  bool OnCommand(uint32_t id);
  // Whether the item shows a check mark: start with Windows as the system's
  // list has it now, the display as [Options] has it; nothing for an item
  // that never shows one.
  std::optional<bool> CheckMark(uint32_t id);

  bool OnScreenDisplay() const { return onScreenDisplay_; }

 private:
  AppContext& context_;
  std::function<void()> openGameProfiles_;
  bool onScreenDisplay_ = true;
};

}  // namespace tx80
