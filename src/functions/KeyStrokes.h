#pragma once
#include <cstdint>

namespace tx80 {

class InputInjector;

// A key as a PC keyboard sends it: programs that read raw input or scan codes
// (most games) tell keys apart by the scan code and its E0 prefix, not by the
// virtual key.
struct KeyStroke {
  uint8_t scanCode = 0;
  uint32_t flags = 0;  // kKeyEventExtendedKey for an E0-prefixed key
  bool operator==(const KeyStroke&) const = default;
};

// The stroke of `virtualKey`: the keys of the E0 block (navigation, right
// Ctrl and Alt, the Windows and Applications keys, pad Divide, the media,
// volume and browser keys) and a few special keys from the program's own
// table, every other key by the foreground window's keyboard layout.
KeyStroke KeyStrokeOf(uint8_t virtualKey, InputInjector& input);

// One key event of `virtualKey` with its stroke.
void SendKey(uint8_t virtualKey, bool down, InputInjector& input);

}  // namespace tx80
