#pragma once
#include "platform/emulated/EmulatedMouse.h"

namespace tx80::emu {

// Listens on 127.0.0.1:`port` for the line commands of the emulated mouse
// (press N, release N, reports, clear, state, unplug, plug, quit) and two of
// the process it lives in: "process" (handles=, handle_slot= the value a new handle gets,
// threads=, memory= in bytes)
// and "post MESSAGE WPARAM", posted to the process's top-level windows. Each
// command is answered by its lines and then a line ".". Runs on its own
// threads until the process ends.
void StartControlChannel(EmulatedMouse& mouse, int port);

}  // namespace tx80::emu
