#pragma once
#include "platform/HidBus.h"

namespace tx80 {

// The system's HID interfaces. For now it lists none, so the program behaves as
// with the mouse unplugged.
class Win32HidBus final : public HidBus {
 public:
  void BeginEnumeration() override {}
  void EndEnumeration() override {}
  std::optional<std::u16string> InterfacePath(int) override { return std::nullopt; }
  HidHandle Open(const std::u16string&, HidAccess) override { return kInvalidHidHandle; }
  std::optional<HidAttributes> Attributes(HidHandle) override { return std::nullopt; }
  std::optional<HidCaps> Capabilities(HidHandle) override { return std::nullopt; }
  bool SetFeature(HidHandle, std::span<const uint8_t>) override { return false; }
  bool Read(HidHandle, std::span<uint8_t>) override { return false; }
  void RegisterNotifications(WindowHost&) override {}
};

}  // namespace tx80
