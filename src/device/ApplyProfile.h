#pragma once
#include <cstdint>

namespace tx80 {

struct AppContext;

// Makes the mouse and the system mouse settings match the current profile,
// records it in config.ini ([Init] CurConfig, [Config6], its own section) and
// arms the start-click handshake when a button is now reported to the program.
void ApplyProfile(AppContext& context);

// Profile n becomes the current one, loaded from config.ini (unapplied edits
// are dropped), and is applied; the window is repainted. For switches the
// user did not make on the pages: the next-profile button, a game's profile.
void SelectAndApplyProfile(AppContext& context, int32_t profile);

}  // namespace tx80
