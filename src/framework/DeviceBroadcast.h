#pragma once
#include <cstdint>
#include <string>

namespace fw {

// The part of a device-change broadcast the program looks at.
struct DeviceBroadcast {
  static constexpr uint32_t kDeviceInterface = 5;
  uint32_t deviceType = 0;
  std::u16string name;  // interface path, for kDeviceInterface
};

inline constexpr uintptr_t kDeviceArrival = 0x8000;
inline constexpr uintptr_t kDeviceRemoveComplete = 0x8004;

}  // namespace fw
