#include "device/DeviceLink.h"

#include <algorithm>

namespace tx80 {

namespace {
char16_t FoldCase(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }
}  // namespace

DeviceHandles DeviceLink::Handles() const {
  std::lock_guard lock(mutex_);
  return handles_;
}

bool DeviceLink::Connected() const {
  std::lock_guard lock(mutex_);
  return handles_.DeviceConnected;
}

void DeviceLink::SetConnected(bool connected) {
  std::lock_guard lock(mutex_);
  handles_.DeviceConnected = connected;
}

bool DeviceLink::Discover(HidBus& hid, WindowHost& window) {
  DeviceHandles found = Handles();
  hid.BeginEnumeration();
  // Failed indices count as attempts, and an index past the end does not end
  // the search: the system's list may have holes.
  for (int index = 0; index < kMaxEnumerationAttempts; ++index) {
    const auto path = hid.InterfacePath(index);
    if (!path) continue;
    const HidHandle probe = hid.Open(*path, HidAccess::Probe);
    const auto attributes = hid.Attributes(probe);
    found.DeviceConnected = false;
    if (!attributes || attributes->vendorId != kVendorId || attributes->productId != kProductId) {
      hid.Close(probe);
      continue;
    }
    found.DeviceConnected = true;
    found.DevicePath = *path;
    hid.RegisterNotifications(window);
    const HidCaps caps = hid.Capabilities(probe).value_or(HidCaps{});
    if (caps.usagePage == kInputUsagePage && caps.usage == kUsage) {
      found.InputCaps = caps;
      found.InputHandle = hid.Open(*path, HidAccess::Read);
    }
    if (caps.usagePage == kCommandUsagePage && caps.usage == kUsage) {
      found.CommandCaps = caps;
      found.CommandHandle = hid.Open(*path, HidAccess::Write);
    }
    // The probe handle of a matching interface stays open, as the link's does.
    if (found.InputHandle != 0 && found.CommandHandle != 0) break;
  }
  hid.EndEnumeration();
  std::lock_guard lock(mutex_);
  handles_ = found;
  return found.DeviceConnected;
}

bool DeviceLink::Matches(const std::u16string& broadcastPath) const {
  std::lock_guard lock(mutex_);
  const std::u16string& path = handles_.DevicePath;
  return path.size() == broadcastPath.size() &&
         std::equal(path.begin(), path.end(), broadcastPath.begin(),
                    [](char16_t a, char16_t b) { return FoldCase(a) == FoldCase(b); });
}

}  // namespace tx80
