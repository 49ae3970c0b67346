#include "platform/sim/SimInputInjector.h"

#include <utility>

namespace tx80 {

namespace {

// Set-1 scan codes of a US keyboard, by virtual-key code.
constexpr std::pair<uint8_t, uint8_t> kScanCodes[] = {
    {'A', 0x1E}, {'B', 0x30}, {'C', 0x2E}, {'D', 0x20}, {'E', 0x12}, {'F', 0x21}, {'G', 0x22},
    {'H', 0x23}, {'I', 0x17}, {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {'M', 0x32}, {'N', 0x31},
    {'O', 0x18}, {'P', 0x19}, {'Q', 0x10}, {'R', 0x13}, {'S', 0x1F}, {'T', 0x14}, {'U', 0x16},
    {'V', 0x2F}, {'W', 0x11}, {'X', 0x2D}, {'Y', 0x15}, {'Z', 0x2C},
    {0x08, 0x0E},  // Backspace
    {0x09, 0x0F},  // Tab
    {0x0D, 0x1C},  // Enter
    {0x10, 0x2A},  // Shift
    {0x11, 0x1D},  // Ctrl
    {0x12, 0x38},  // Alt
    {0x14, 0x3A},  // Caps Lock
    {0x1B, 0x01},  // Escape
    {0x20, 0x39},  // Space
    {0x21, 0x49},  // Page Up
    {0x22, 0x51},  // Page Down
    {0x23, 0x4F},  // End
    {0x24, 0x47},  // Home
    {0x25, 0x4B},  // Left
    {0x26, 0x48},  // Up
    {0x27, 0x4D},  // Right
    {0x28, 0x50},  // Down
    {0x2D, 0x52},  // Insert
    {0x2E, 0x53},  // Delete
    {0x13, 0x45},  // Pause
    {0x5B, 0x5B},  // left Windows
    {0x90, 0x45},  // Num Lock
    {0xA0, 0x2A},  // left Shift
    {0xA1, 0x36},  // right Shift
    {0xA2, 0x1D},  // left Ctrl
    {0xA3, 0x1D},  // right Ctrl
    {0xA4, 0x38},  // left Alt
    {0xA5, 0x38},  // right Alt
};

}  // namespace

SimInputInjector::SimInputInjector(Clock& clock) : clock_(clock) {}

void SimInputInjector::KeyEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) {
  Record({InjectedInput::Kind::Key, virtualKey, scanCode, flags, 0});
}

void SimInputInjector::MouseButtonEvent(uint32_t flags) {
  Record({InjectedInput::Kind::MouseButton, 0, 0, flags, 0});
}

void SimInputInjector::SetLayout(SimKeyboardLayout layout) {
  std::lock_guard lock(mutex_);
  layout_ = layout;
}

void SimInputInjector::SetButtonsSwapped(bool swapped) {
  std::lock_guard lock(mutex_);
  buttonsSwapped_ = swapped;
}

bool SimInputInjector::ButtonsSwapped() {
  std::lock_guard lock(mutex_);
  return buttonsSwapped_;
}

void SimInputInjector::SetForegroundTarget(std::optional<InputTarget> target) {
  std::lock_guard lock(mutex_);
  foregroundTarget_ = std::move(target);
}

void SimInputInjector::SetOwnElevation(Elevation elevation) {
  std::lock_guard lock(mutex_);
  ownElevation_ = elevation;
}

std::optional<InputTarget> SimInputInjector::ForegroundTarget() {
  std::lock_guard lock(mutex_);
  return foregroundTarget_;
}

Elevation SimInputInjector::OwnElevation() {
  std::lock_guard lock(mutex_);
  return ownElevation_;
}

uint8_t SimInputInjector::ScanCode(uint8_t virtualKey) {
  {
    std::lock_guard lock(mutex_);
    if (layout_ == SimKeyboardLayout::German && (virtualKey == 'Y' || virtualKey == 'Z'))
      return virtualKey == 'Y' ? 0x2C : 0x15;
  }
  if (virtualKey >= '0' && virtualKey <= '9') return virtualKey == '0' ? 0x0B : static_cast<uint8_t>(virtualKey - '1' + 0x02);
  if (virtualKey >= 0x70 && virtualKey <= 0x79) return static_cast<uint8_t>(virtualKey - 0x70 + 0x3B);  // F1..F10
  for (const auto& [vk, scan] : kScanCodes) {
    if (vk == virtualKey) return scan;
  }
  return 0;
}

std::vector<InjectedInput> SimInputInjector::Events() const {
  std::lock_guard lock(mutex_);
  return events_;
}

void SimInputInjector::Clear() {
  std::lock_guard lock(mutex_);
  events_.clear();
}

void SimInputInjector::Record(InjectedInput input) {
  input.timeMs = std::chrono::duration_cast<std::chrono::milliseconds>(clock_.Now().time_since_epoch()).count();
  std::lock_guard lock(mutex_);
  events_.push_back(input);
}

}  // namespace tx80
