#pragma once
#include <mutex>
#include <string>

#include "platform/HidBus.h"

namespace tx80 {

class WindowHost;

// The mouse's two vendor collections as the program opened them.
struct DeviceHandles {
  std::u16string DevicePath;
  HidHandle InputHandle = 0;    // usage page 0xFF00, opened for reading
  HidHandle CommandHandle = 0;  // usage page 0xFF01, opened for writing
  HidCaps InputCaps{};
  HidCaps CommandCaps{};
  bool DeviceConnected = false;
};

// The link to the mouse, shared by the UI thread (discovery), the reader and
// the command writers; each reads a consistent copy.
class DeviceLink {
 public:
  static constexpr uint16_t kVendorId = 0x18F8;
  static constexpr uint16_t kProductId = 0x0F99;
  static constexpr uint16_t kInputUsagePage = 0xFF00;
  static constexpr uint16_t kCommandUsagePage = 0xFF01;
  static constexpr uint16_t kUsage = 1;
  static constexpr int kMaxEnumerationAttempts = 100;

  DeviceHandles Handles() const;
  bool Connected() const;
  void SetConnected(bool connected);

  // Finds the mouse among the HID interfaces and opens its two collections;
  // registers `window` for device notices once per matching interface. True
  // when the last interface examined matched (both handles are then open).
  bool Discover(HidBus& hid, WindowHost& window);

  // A device broadcast names this mouse: same path, compared without regard to case.
  bool Matches(const std::u16string& broadcastPath) const;

 private:
  mutable std::mutex mutex_;
  DeviceHandles handles_;
};

}  // namespace tx80
