#include "app/TrayOptions.h"

#include <utility>

#include "app/AppContext.h"
#include "profile/ProgramOptions.h"
#include "app/StartWithWindows.h"

namespace tx80 {

TrayOptions::TrayOptions(AppContext& context, std::function<void()> openGameProfiles)
    : context_(context), openGameProfiles_(std::move(openGameProfiles)) {}

void TrayOptions::Load() {
  onScreenDisplay_ = ReadOnScreenDisplayOption(context_.platform.files, context_.paths.configPath);
  FollowMovedProgram(context_.platform.autoStart, context_.paths.programFile);
}

bool TrayOptions::OnCommand(uint32_t id) {
  switch (id) {
    case kStartWithWindows: {
      AutoStart& autoStart = context_.platform.autoStart;
      SetStartWithWindows(autoStart, context_.paths.programFile, !StartsWithWindows(autoStart));
      return true;
    }
    case kOnScreenDisplay:
      onScreenDisplay_ = !onScreenDisplay_;
      context_.ReportSave(context_.paths.configPath,
                          WriteOnScreenDisplayOption(context_.platform.files, context_.paths.configPath, onScreenDisplay_));
      return true;
    case kGameProfiles:
      openGameProfiles_();
      return true;
    default:
      return false;
  }
}

std::optional<bool> TrayOptions::CheckMark(uint32_t id) {
  if (id == kStartWithWindows) return StartsWithWindows(context_.platform.autoStart);
  if (id == kOnScreenDisplay) return onScreenDisplay_;
  return std::nullopt;
}

}  // namespace tx80
