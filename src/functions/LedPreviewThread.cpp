#include "functions/LedPreviewThread.h"

#include <algorithm>

#include "device/DriverFlags.h"
#include "platform/Clock.h"
#include "profile/ProfileModel.h"

namespace tx80 {

LedPreviewThread::LedPreviewThread(DriverFlags& flags, const ProfileModel& profile, Clock& clock,
                                   std::function<void()> repaint, std::function<bool()> colorPageShown)
    : flags_(flags),
      profile_(profile),
      clock_(clock),
      repaint_(std::move(repaint)),
      colorPageShown_(std::move(colorPageShown)) {}

int32_t LedPreviewThread::CurrentDpiLevel() const {
  // A damaged config.ini may hold any level; the page has colours for four.
  return std::clamp<int32_t>(profile_.Fields().DPI_LEVEL, 0, kDpiLevelCount - 1);
}

bool LedPreviewThread::Begin() {
  lastLevel_ = CurrentDpiLevel();
  flags_.LedPreviewIndex = lastLevel_;
  return colorPageShown_();
}

bool LedPreviewThread::Step() {
  const ProfileState state = profile_.Snapshot();
  const int32_t level = std::clamp<int32_t>(state.fields.DPI_LEVEL, 0, kDpiLevelCount - 1);
  switch (state.ActiveLedMode) {
    case 3:  // LED off
      flags_.LedPreviewDark = true;
      flags_.LedPreviewIndex = level;
      break;
    case 2:  // steady in the level's colour
      flags_.LedPreviewDark = false;
      flags_.LedPreviewIndex = level;
      break;
    default:
      if (level != lastLevel_) {
        // A level changed with a mouse button shows its colour longer.
        flags_.LedPreviewIndex = level;
        flags_.LedPreviewDark = false;
        repaint_();
        lastLevel_ = level;
        clock_.Sleep(kLevelChangeMs);
      } else if (flags_.LedPreviewDark) {
        flags_.LedPreviewDark = false;
      } else {
        // Dark now; the next level's colour lights up in the next phase.
        flags_.LedPreviewDark = true;
        flags_.LedPreviewIndex = (std::clamp<int32_t>(flags_.LedPreviewIndex, 0, kDpiLevelCount - 1) + 1) % kDpiLevelCount;
      }
      break;
  }
  repaint_();
  clock_.Sleep(state.ActiveLedMode == 1 ? kFastPhaseMs : kSlowPhaseMs);
  return colorPageShown_();
}

void LedPreviewThread::Run() {
  do {
    if (Begin()) {
      while (Step()) {
      }
    }
    flags_.LedPreviewRunning = false;
    // The page may have come back after the last look and before the flag
    // cleared: its starter found this thread running and started none.
  } while (colorPageShown_() && !flags_.LedPreviewRunning.exchange(true));
}

}  // namespace tx80
