#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "app/ForegroundChanges.h"
#include "framework/Message.h"
#include "profile/GameProfileRules.h"
#include "framework/ProgramMessages.h"

namespace tx80 {

struct AppContext;
class WindowHost;


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
  // The foreground watch reported: when another window is in front now, acts
  // as Reconsider; the same window reported again changes nothing, so a
  // profile the user chose meanwhile stays.
  void OnForegroundReport();
  // What made switching wait is over: switches when the program in front asks
  // for another profile now.
  void Reconsider();

 private:
  bool MaySwitch() const;
  void SwitchFor(std::u16string_view program);

  AppContext& context_;
  std::function<bool()> maySwitch_;
  std::function<void(int32_t)> switchTo_;
  GameProfileRules rules_;
  std::optional<int32_t> returnTo_;
  ForegroundChanges foregroundChanges_;
};

}  // namespace tx80
