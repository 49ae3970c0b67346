#pragma once
#include <cstdint>

namespace tx80 {

// Tells, of each power event, whether it is a resume the mouse should get its
// settings again for. Every resume brings PBT_APMRESUMEAUTOMATIC, and
// PBT_APMRESUMESUSPEND after it when a user is there: one apply per resume.
// Battery steps, the charger and suspending bring nothing to apply: an apply
// rewrites config.ini and waits for the start click again.
class ResumeNotices {
 public:
  bool IsNewResume(uintptr_t powerEvent);

 private:
  bool resumedSinceSuspend_ = false;
};

}  // namespace tx80
