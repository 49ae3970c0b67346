#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "framework/Message.h"
#include "profile/GameProfileRules.h"

namespace tx80 {

struct AppContext;
class WindowHost;

// What the foreground watch posts to the main window when another window
// comes to the front.
inline constexpr uint32_t kForegroundChangedMessage = fw::msg::kUser + 31;

// Per-game profiles: while a program that a rule of [AppProfiles] names is in
// front, its profile is selected and applied; once no such program is in front
// any more, the profile that was current before comes back. UI thread only.
class GameProfileSwitching {
 public:
  // `maySwitch` is false while switching must wait (the user may be editing
  // in the main window, a recording runs); `switchTo` selects and applies a
  // profile.
  GameProfileSwitching(AppContext& context, std::function<bool()> maySwitch, std::function<void(int32_t)> switchTo);

  // Start-up: reads the rules and starts watching the foreground for the main
  // window.
  void Start(WindowHost& mainWindow);
  // The rules changed in config.ini: reads them again and acts on them.
  void ReloadRules();
  // The foreground changed, or what made switching wait is over: switches
  // when the program in front asks for another profile now.
  void Reconsider();

  // The profile to return to while a rule's profile is in force.
  std::optional<int32_t> ReturnProfile() const { return returnTo_; }

 private:
  AppContext& context_;
  std::function<bool()> maySwitch_;
  std::function<void(int32_t)> switchTo_;
  GameProfileRules rules_;
  std::optional<int32_t> returnTo_;
};

}  // namespace tx80
