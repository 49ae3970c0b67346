#pragma once

namespace tx80 {

struct AppContext;

// Makes the mouse and the system mouse settings match the current profile,
// records it in config.ini ([Init] CurConfig, [Config6], its own section) and
// arms the start-click handshake when a button is now reported to the program.
// Takes AppContext::profileOperation for all but the system settings.
void ApplyProfile(AppContext& context);

// The two halves of ApplyProfile, for a caller that loads the profile under
// the same lock first (the next-profile button):
// - with profileOperation held: records the profile in one save of
//   config.ini, then sends it to the mouse and arms the handshake;
void RecordAndSendProfile(AppContext& context);
// - with no lock held (the system waits on every window while it broadcasts a
//   pointer speed change, the program's own UI thread included): sets the
//   pointer speed and wheel lines of the latest apply.
void SetSystemMouse(AppContext& context);

}  // namespace tx80
