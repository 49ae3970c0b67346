#include "app/GameProfileSwitching.h"

#include <utility>

#include "app/AppContext.h"
#include "framework/ProgramFileName.h"

namespace tx80 {

GameProfileSwitching::GameProfileSwitching(AppContext& context, std::function<bool()> maySwitch,
                                           std::function<void(int32_t)> switchTo)
    : context_(context), maySwitch_(std::move(maySwitch)), switchTo_(std::move(switchTo)) {}

void GameProfileSwitching::Start(WindowHost& mainWindow) {
  rules_ = ReadGameProfileRules(context_.platform.files, context_.paths.configPath);
  context_.platform.foreground.Watch(mainWindow, kForegroundReportMessage);
  OnForegroundReport();
}

void GameProfileSwitching::ReloadRules() {
  rules_ = ReadGameProfileRules(context_.platform.files, context_.paths.configPath);
  Reconsider();
}

void GameProfileSwitching::OnForegroundReport() {
  const ForegroundWindow front = context_.platform.foreground.Foreground();
  if (foregroundChanges_.IsChange(front) && MaySwitch()) SwitchFor(fw::ProgramFileName(front.imagePath));
}

void GameProfileSwitching::Reconsider() {
  if (MaySwitch()) SwitchFor(fw::ProgramFileName(context_.platform.foreground.Foreground().imagePath));
}

bool GameProfileSwitching::MaySwitch() const { return (!rules_.empty() || returnTo_) && maySwitch_(); }

void GameProfileSwitching::SwitchFor(std::u16string_view program) {
  const auto wanted = ProfileForProgram(rules_, program);
  const int32_t current = context_.profile.CurConfig();
  if (wanted) {
    // From one game to the next, the profile before the first is kept.
    if (!returnTo_) returnTo_ = current;
    if (*wanted != current) switchTo_(*wanted);
  } else if (returnTo_) {
    const int32_t before = *std::exchange(returnTo_, std::nullopt);
    if (before != current) switchTo_(before);
  }
}

}  // namespace tx80
