#include "functions/KeyStrokes.h"

#include <gtest/gtest.h>

#include "platform/sim/SimClock.h"
#include "platform/sim/SimInputInjector.h"

namespace tx80 {
namespace {

constexpr uint32_t kExt = kKeyEventExtendedKey;

TEST(KeyStrokes, ScanCodesAndPrefixOnTwoLayouts) {
  const struct {
    uint8_t virtualKey;
    uint8_t usScan;
    uint8_t germanScan;
    uint32_t flags;
  } cases[] = {
      {'A', 0x1E, 0x1E, 0},    {'Y', 0x15, 0x2C, 0},    {'Z', 0x2C, 0x15, 0},    {'5', 0x06, 0x06, 0},
      {0x11, 0x1D, 0x1D, 0},   // Ctrl
      {0x12, 0x38, 0x38, 0},   // Alt
      {0xA0, 0x2A, 0x2A, 0},   // left Shift
      {0xA1, 0x36, 0x36, 0},   // right Shift: the real key, not the E0 fake shift
      {0xA3, 0x1D, 0x1D, kExt}, {0xA5, 0x38, 0x38, kExt},  // right Ctrl, right Alt
      {0x25, 0x4B, 0x4B, kExt}, {0x26, 0x48, 0x48, kExt}, {0x27, 0x4D, 0x4D, kExt}, {0x28, 0x50, 0x50, kExt},
      {0x2D, 0x52, 0x52, kExt}, {0x2E, 0x53, 0x53, kExt}, {0x24, 0x47, 0x47, kExt}, {0x23, 0x4F, 0x4F, kExt},
      {0x21, 0x49, 0x49, kExt}, {0x22, 0x51, 0x51, kExt},
      {0x5B, 0x5B, 0x5B, kExt}, {0x5C, 0x5C, 0x5C, kExt}, {0x5D, 0x5D, 0x5D, kExt},  // Windows, Applications
      {0x6F, 0x35, 0x35, kExt},  // pad Divide
      // Media, volume and browser keys: the layout has no scan code for them.
      {0xAD, 0x20, 0x20, kExt}, {0xAE, 0x2E, 0x2E, kExt}, {0xAF, 0x30, 0x30, kExt}, {0xB0, 0x19, 0x19, kExt},
      {0xB3, 0x22, 0x22, kExt}, {0xA6, 0x6A, 0x6A, kExt}, {0xAC, 0x32, 0x32, kExt},
      {0x2C, 0x37, 0x37, kExt},  // Print Screen
      {0x13, 0x45, 0x45, 0},     // Pause
      {0x90, 0x45, 0x45, kExt},  // Num Lock
      {0x70, 0x3B, 0x3B, 0},     // F1
      {0xE9, 0, 0, 0},           // a code no key has
  };
  SimClock clock;
  SimInputInjector input(clock);
  for (const auto& c : cases) {
    input.SetLayout(SimKeyboardLayout::Us);
    EXPECT_EQ(KeyStrokeOf(c.virtualKey, input), (KeyStroke{c.usScan, c.flags})) << std::hex << int(c.virtualKey);
    input.SetLayout(SimKeyboardLayout::German);
    EXPECT_EQ(KeyStrokeOf(c.virtualKey, input), (KeyStroke{c.germanScan, c.flags})) << std::hex << int(c.virtualKey);
  }
}

}  // namespace
}  // namespace tx80
