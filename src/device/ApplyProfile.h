#pragma once

namespace tx80 {

struct AppContext;

// Makes the mouse and the system mouse settings match the current profile,
// records it in config.ini ([Init] CurConfig, [Config6], its own section) and
// arms the start-click handshake when a button is now reported to the program.
void ApplyProfile(AppContext& context);

}  // namespace tx80
