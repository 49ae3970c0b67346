#include "functions/KeyStrokes.h"

#include "platform/InputInjector.h"

namespace tx80 {

namespace {

struct OwnStroke {
  uint8_t virtualKey;
  uint8_t scanCode;
  bool extended;
};

// Scan codes that are the same on every PC keyboard layout. The system's own
// table reports the E0 prefix for some of these and not for others (under
// Wine not for the arrows), so the prefix is decided here alone.
constexpr OwnStroke kOwnStrokes[] = {
    {0x21, 0x49, true},  // Page Up
    {0x22, 0x51, true},  // Page Down
    {0x23, 0x4F, true},  // End
    {0x24, 0x47, true},  // Home
    {0x25, 0x4B, true},  // Left
    {0x26, 0x48, true},  // Up
    {0x27, 0x4D, true},  // Right
    {0x28, 0x50, true},  // Down
    {0x2D, 0x52, true},  // Insert
    {0x2E, 0x53, true},  // Delete
    {0x5B, 0x5B, true},  // left Windows
    {0x5C, 0x5C, true},  // right Windows
    {0x5D, 0x5D, true},  // Applications
    {0x6F, 0x35, true},  // pad Divide
    {0xA3, 0x1D, true},  // right Ctrl
    {0xA5, 0x38, true},  // right Alt
    {0xA6, 0x6A, true},  // browser Back
    {0xA7, 0x69, true},  // browser Forward
    {0xA8, 0x67, true},  // browser Refresh
    {0xA9, 0x68, true},  // browser Stop
    {0xAA, 0x65, true},  // browser Search
    {0xAB, 0x66, true},  // browser Favorites
    {0xAC, 0x32, true},  // browser Home
    {0xAD, 0x20, true},  // volume Mute
    {0xAE, 0x2E, true},  // volume Down
    {0xAF, 0x30, true},  // volume Up
    {0xB0, 0x19, true},  // next track
    {0xB1, 0x10, true},  // previous track
    {0xB2, 0x24, true},  // media Stop
    {0xB3, 0x22, true},  // Play/Pause
    {0xB4, 0x6C, true},  // launch Mail
    {0xB5, 0x6D, true},  // media Select
    {0xB6, 0x6B, true},  // launch App 1
    {0xB7, 0x21, true},  // launch App 2
    // E0 37 is what the key sends alone.
    {0x2C, 0x37, true},  // Print Screen
    // Sent as E1 1D 45; 45 alone is what programs look for.
    {0x13, 0x45, false},  // Pause
    // Toggles the light and the pad only as an extended key.
    {0x90, 0x45, true},  // Num Lock
    // E0 36 is the fake shift of the navigation keys, which programs ignore.
    {0xA1, 0x36, false},  // right Shift
};

}  // namespace

KeyStroke KeyStrokeOf(uint8_t virtualKey, InputInjector& input) {
  for (const OwnStroke& own : kOwnStrokes) {
    if (own.virtualKey == virtualKey) return {own.scanCode, own.extended ? kKeyEventExtendedKey : 0};
  }
  return {input.ScanCode(virtualKey), 0};
}

void SendKey(uint8_t virtualKey, bool down, InputInjector& input) {
  const KeyStroke stroke = KeyStrokeOf(virtualKey, input);
  input.KeyEvent(virtualKey, stroke.scanCode, stroke.flags | (down ? 0 : kKeyEventKeyUp));
}

}  // namespace tx80
