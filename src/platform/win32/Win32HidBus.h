#pragma once
#include <windows.h>

#include <setupapi.h>

#include "platform/HidBus.h"

namespace tx80 {

// The system's HID interfaces through SetupDi (enumeration), CreateFileW and
// ReadFile (handles and input reports) and HidD/HidP (attributes, capabilities,
// feature reports).
class Win32HidBus final : public HidBus {
 public:
  Win32HidBus();

  void BeginEnumeration() override;
  void EndEnumeration() override;
  HidListing InterfaceAt(int index) override;
  HidHandle Open(const std::u16string& path, HidAccess access) override;
  std::optional<HidAttributes> Attributes(HidHandle handle) override;
  std::optional<HidCaps> Capabilities(HidHandle handle) override;
  bool SetFeature(HidHandle handle, std::span<const uint8_t> report) override;
  void Close(HidHandle handle) override;
  bool Read(HidHandle handle, std::span<uint8_t> buffer) override;
  void RegisterNotifications(WindowHost& window) override;

 private:
  GUID hidClass_;
  // The device information set of BeginEnumeration; INVALID_HANDLE_VALUE outside.
  HDEVINFO deviceSet_ = INVALID_HANDLE_VALUE;
};

}  // namespace tx80
