#include "device/DeviceLink.h"

#include <algorithm>
#include <chrono>
#include <string_view>
#include <utility>

namespace tx80 {

namespace {

char16_t FoldCase(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SamePath(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

bool ContainsFolded(const std::u16string& text, std::u16string_view part) {
  const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                 [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
  return found != text.end();
}

bool Opened(HidHandle handle) { return handle != 0 && handle != kInvalidHidHandle; }

// An id as interface paths spell it: "vid_18f8".
std::u16string IdInPath(std::u16string_view prefix, uint16_t id) {
  constexpr char16_t kDigits[] = u"0123456789abcdef";
  std::u16string text(prefix);
  for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(id >> shift) & 0xF];
  return text;
}

}  // namespace

DeviceHandles DeviceLink::Handles() const {
  std::lock_guard lock(mutex_);
  return handles_;
}

bool DeviceLink::Connected() const {
  std::lock_guard lock(mutex_);
  return handles_.DeviceConnected;
}

void DeviceLink::Watch(HidBus& hid, WindowHost& window) {
  {
    std::lock_guard lock(mutex_);
    // Each registration brings its own copy of every notice.
    if (std::exchange(watching_, true)) return;
  }
  hid.RegisterNotifications(window);
}

bool DeviceLink::NamesThisMouse(const std::u16string& path) {
  static const std::u16string vendor = IdInPath(u"vid_", kVendorId);
  static const std::u16string product = IdInPath(u"pid_", kProductId);
  return ContainsFolded(path, vendor) && ContainsFolded(path, product);
}

bool DeviceLink::Discover(HidBus& hid) {
  DeviceHandles found;
  std::vector<std::u16string> paths;
  std::vector<HidHandle> probes;
  hid.BeginEnumeration();
  // A failed index does not end the search, the end of the list does: the
  // system's list may have holes.
  for (int index = 0; index < kMaxInterfaces; ++index) {
    const HidListing listing = hid.InterfaceAt(index);
    if (listing.kind == HidListing::Kind::End) break;
    // Opening every HID interface of a gaming PC takes time and wakes devices
    // that sleep; the path already names the ids.
    if (listing.kind == HidListing::Kind::Failed || !NamesThisMouse(listing.path)) continue;
    const std::u16string& path = listing.path;
    const HidHandle probe = hid.Open(path, HidAccess::Probe);
    const auto attributes = hid.Attributes(probe);
    if (!attributes || attributes->vendorId != kVendorId || attributes->productId != kProductId) {
      hid.Close(probe);
      continue;
    }
    found.DeviceConnected = true;
    found.DevicePath = path;
    paths.push_back(path);
    probes.push_back(probe);  // kept open, as the link's handles are
    const HidCaps caps = hid.Capabilities(probe).value_or(HidCaps{});
    if (caps.usagePage == kInputUsagePage && caps.usage == kUsage && found.InputHandle == 0) {
      found.InputCaps = caps;
      found.InputHandle = hid.Open(path, HidAccess::Read);
    }
    if (caps.usagePage == kCommandUsagePage && caps.usage == kUsage && found.CommandHandle == 0) {
      found.CommandCaps = caps;
      found.CommandHandle = hid.Open(path, HidAccess::Write);
    }
    if (found.InputHandle != 0 && found.CommandHandle != 0) break;
  }
  hid.EndEnumeration();
  {
    std::lock_guard lock(mutex_);
    handles_ = found;
    paths_ = std::move(paths);
    probes_ = std::move(probes);
    inputFailed_ = false;
  }
  inputReady_.notify_all();
  return found.DeviceConnected;
}

void DeviceLink::Disconnect(HidBus& hid) {
  std::vector<HidHandle> closing;
  {
    std::lock_guard lock(mutex_);
    closing = std::move(probes_);
    closing.push_back(handles_.CommandHandle);
    if (reading_) {
      orphanedInput_ = handles_.InputHandle;
    } else {
      closing.push_back(handles_.InputHandle);
    }
    handles_ = DeviceHandles{};
    paths_.clear();
    probes_.clear();
    inputFailed_ = false;
  }
  for (HidHandle handle : closing)
    if (Opened(handle)) hid.Close(handle);
}

bool DeviceLink::Matches(const std::u16string& broadcastPath) const {
  std::lock_guard lock(mutex_);
  return std::any_of(paths_.begin(), paths_.end(), [&](const std::u16string& path) { return SamePath(path, broadcastPath); });
}

DeviceLink::InputRead DeviceLink::BeginRead() {
  std::lock_guard lock(mutex_);
  if (!handles_.DeviceConnected || inputFailed_ || !Opened(handles_.InputHandle)) return {};
  reading_ = true;
  return {handles_.InputHandle, handles_.InputCaps.inputReportByteLength};
}

void DeviceLink::EndRead(HidBus& hid, bool failed) {
  HidHandle orphaned = 0;
  {
    std::lock_guard lock(mutex_);
    reading_ = false;
    orphaned = std::exchange(orphanedInput_, 0);
    // A failure of a handle already let go of says nothing of the next one.
    if (failed && orphaned == 0) inputFailed_ = true;
  }
  if (Opened(orphaned)) hid.Close(orphaned);
}

void DeviceLink::WaitForInput(const std::atomic<bool>& stopping) {
  std::unique_lock lock(mutex_);
  const bool ready = inputReady_.wait_for(lock, std::chrono::milliseconds(kReadRetryMs), [&] {
    return stopping || (handles_.DeviceConnected && !inputFailed_ && Opened(handles_.InputHandle));
  });
  if (!ready) inputFailed_ = false;
}

void DeviceLink::WakeReader() {
  { std::lock_guard lock(mutex_); }
  inputReady_.notify_all();
}

}  // namespace tx80
