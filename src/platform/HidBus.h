#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tx80 {

class WindowHost;

// An opened HID interface. 0 is "never opened"; kInvalidHidHandle is what a
// failed open gives (nonzero, like the system's invalid handle value).
using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHidHandle = -1;

enum class HidAccess { Probe, Read, Write };

struct HidAttributes {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
};

struct HidCaps {
  uint16_t usagePage = 0;
  uint16_t usage = 0;
  uint16_t inputReportByteLength = 0;
  uint16_t featureReportByteLength = 0;
};

// What the snapshot of the HID interfaces holds at one index.
struct HidListing {
  enum class Kind { Interface, Failed, End };
  Kind kind = Kind::End;
  std::u16string path;  // for Interface
};

// The system's HID interfaces. Discovery runs on the UI thread; Read blocks the
// reader thread; SetFeature is called from the UI and executor threads.
class HidBus {
 public:
  virtual ~HidBus() = default;
  // Takes a snapshot of the present HID interfaces; EndEnumeration releases it.
  virtual void BeginEnumeration() = 0;
  virtual void EndEnumeration() = 0;
  // The interface at `index` of the snapshot: its path, Failed when that one
  // index cannot be read, End for the first index past the last interface.
  virtual HidListing InterfaceAt(int index) = 0;
  // Opens a path shared for reading and writing; kInvalidHidHandle on failure.
  // Probe asks for no access rights, so it opens even collections the system
  // holds exclusively.
  virtual HidHandle Open(const std::u16string& path, HidAccess access) = 0;
  virtual std::optional<HidAttributes> Attributes(HidHandle handle) = 0;
  virtual std::optional<HidCaps> Capabilities(HidHandle handle) = 0;
  // Writes one feature report (its first byte is the report id).
  virtual bool SetFeature(HidHandle handle, std::span<const uint8_t> report) = 0;
  // Closes a handle from Open (a failed open's handle is ignored).
  virtual void Close(HidHandle handle) = 0;
  // Reads one input report into `buffer`, waiting until the device sends one.
  // False at once, or as soon as it happens, when the device is removed; a
  // handle opened before a removal never reads again.
  virtual bool Read(HidHandle handle, std::span<uint8_t> buffer) = 0;
  // Registers `window` for arrival and removal notices of HID interfaces
  // (WM_DEVICECHANGE with the interface's path), one per interface.
  virtual void RegisterNotifications(WindowHost& window) = 0;
};

}  // namespace tx80
