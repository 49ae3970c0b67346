#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "device/DeviceLink.h"

namespace tx80 {

class HidBus;

// The bytes one command sets in the feature report: report id 7, the command
// byte, two arguments. Only FireTimeCommand also clears bytes 4..7.
struct CommandBytes {
  static constexpr uint8_t kReportId = 0x07;
  uint8_t command;
  uint8_t first;
  uint8_t second;
  bool clearsTail = false;
};

// Mouse button number of ButtonSlot 1..7 (index slot - 1): slots 4 and 5 are
// crossed, slot 7 is the mouse's button 8.
inline constexpr std::array<uint8_t, 7> DeviceButtonTable = {1, 2, 3, 5, 4, 6, 8};

// The device code that makes the mouse report a button to the program.
inline constexpr uint8_t kReportedDeviceCode = 31;

constexpr CommandBytes ButtonCommand(uint8_t deviceButton, uint8_t deviceCode) { return {0x10, deviceButton, deviceCode}; }
constexpr CommandBytes DpiLedCommand(uint8_t level, uint8_t dpiLedByte) { return {0x09, level, dpiLedByte}; }
constexpr CommandBytes WheelCommand(int32_t wheelStatus) { return {0x11, static_cast<uint8_t>(wheelStatus), 0}; }
constexpr CommandBytes FireTimeCommand(int32_t fireTime) {
  return {0x12, static_cast<uint8_t>(fireTime / 8), 0, true};
}
constexpr CommandBytes CloseCommand() { return {0x20, 0, 0}; }

// The LED mode the LED button switches the LED off with.
inline constexpr uint8_t kLedOff = 3;

// DPI step in the high four bits (8 + step, so bit 7 is always set), LED mode
// in the low four. A step or mode beyond its field (from a hand-edited file)
// is cut to the field, so it never spills into the other.
constexpr uint8_t DpiLedByte(uint8_t dpiStep, uint8_t ledMode) {
  return static_cast<uint8_t>(((dpiStep & 0x07) + 8) * 16 + (ledMode & 0x0F));
}

// The feature report buffer and its writes. Writes from the UI thread and the
// executor are serialised, so one command's bytes never mix with another's.
class CommandReport {
 public:
  static constexpr std::size_t kBufferSize = 256;

  CommandReport(HidBus& hid, DeviceLink& link);

  // Fills the command's bytes and writes the report with the command
  // collection's feature report length. The result is not examined: the mouse
  // never answers.
  void Send(const CommandBytes& command);
  // As Send, but skipped while the command collection failed to open
  // (ButtonCommand and CloseCommand are sent only to a valid handle).
  void SendIfOpen(const CommandBytes& command);

 private:
  HidBus& hid_;
  DeviceLink& link_;
  std::mutex mutex_;
  std::vector<uint8_t> buffer_;
};

}  // namespace tx80
