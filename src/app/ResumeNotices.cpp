#include "app/ResumeNotices.h"

#include <utility>

#include "framework/Message.h"

namespace tx80 {

bool ResumeNotices::IsNewResume(uintptr_t powerEvent) {
  switch (powerEvent) {
    case fw::power::kSuspend:
      resumedSinceSuspend_ = false;
      return false;
    case fw::power::kResumeAutomatic:
      resumedSinceSuspend_ = true;
      return true;
    case fw::power::kResumeSuspend:
      // Alone only where the automatic one was not sent.
      return !std::exchange(resumedSinceSuspend_, true);
    default:
      return false;
  }
}

}  // namespace tx80
