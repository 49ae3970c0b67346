#include "platform/sim/SimHidBus.h"

#include "framework/DeviceBroadcast.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

SimHidBus::~SimHidBus() {
  for (const auto& mouse : mice_) mouse->OnPlugChange(nullptr);
}

void SimHidBus::Plug(std::shared_ptr<EmulatedMouse> mouse) {
  mouse->OnPlugChange([this, raw = mouse.get()](bool plugged) { TellWindows(*raw, plugged); });
  std::lock_guard lock(mutex_);
  for (const auto& interface : mouse->Interfaces()) {
    Device device{interface.path,
                  {EmulatedMouse::kVendorId, EmulatedMouse::kProductId},
                  {interface.usagePage, interface.usage, interface.inputReportByteLength,
                   interface.featureReportByteLength}};
    entries_.push_back({std::move(device), mouse.get()});
  }
  mice_.push_back(std::move(mouse));
}

void SimHidBus::AddDevice(Device device) {
  std::lock_guard lock(mutex_);
  entries_.push_back({std::move(device), nullptr});
}

void SimHidBus::FailIndex(int index) {
  std::lock_guard lock(mutex_);
  failingIndices_.insert(index);
}

void SimHidBus::FailOpen(const std::u16string& path, HidAccess access) {
  std::lock_guard lock(mutex_);
  failingOpens_.insert({path, access});
}

void SimHidBus::BeginEnumeration() {}
void SimHidBus::EndEnumeration() {}

std::vector<SimHidBus::Entry> SimHidBus::Listed() const {
  std::vector<Entry> listed;
  for (const Entry& entry : entries_)
    if (!entry.mouse || entry.mouse->Plugged()) listed.push_back(entry);
  return listed;
}

HidListing SimHidBus::InterfaceAt(int index) {
  std::lock_guard lock(mutex_);
  ++indicesTried_;
  // Failing indices hide the devices behind them one place further on.
  int before = 0;
  for (int i = 0; i < index; ++i)
    if (!failingIndices_.contains(i)) ++before;
  if (failingIndices_.contains(index)) return {HidListing::Kind::Failed, {}};
  const std::vector<Entry> listed = Listed();
  if (before >= static_cast<int>(listed.size())) return {};
  return {HidListing::Kind::Interface, listed[static_cast<std::size_t>(before)].device.path};
}

HidHandle SimHidBus::Open(const std::u16string& path, HidAccess access) {
  std::lock_guard lock(mutex_);
  if (failingOpens_.contains({path, access})) return kInvalidHidHandle;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    if (entry.device.path != path || (entry.mouse && !entry.mouse->Plugged())) continue;
    const HidHandle handle = nextHandle_++;
    opened_[handle] = {i, access, entry.mouse ? entry.mouse->Plugging() : 0};
    return handle;
  }
  return kInvalidHidHandle;
}

const SimHidBus::Opened* SimHidBus::Find(HidHandle handle) const {
  auto it = opened_.find(handle);
  return it == opened_.end() ? nullptr : &it->second;
}

std::optional<HidAttributes> SimHidBus::Attributes(HidHandle handle) {
  std::lock_guard lock(mutex_);
  const Opened* opened = Find(handle);
  if (!opened) return std::nullopt;
  return entries_[opened->entry].device.attributes;
}

std::optional<HidCaps> SimHidBus::Capabilities(HidHandle handle) {
  std::lock_guard lock(mutex_);
  const Opened* opened = Find(handle);
  if (!opened) return std::nullopt;
  return entries_[opened->entry].device.caps;
}

bool SimHidBus::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  EmulatedMouse* mouse = nullptr;
  {
    std::lock_guard lock(mutex_);
    const Opened* opened = Find(handle);
    if (!opened || opened->access != HidAccess::Write) return false;
    const Entry& entry = entries_[opened->entry];
    if (entry.device.caps.featureReportByteLength == 0 || report.size() != entry.device.caps.featureReportByteLength)
      return false;
    mouse = entry.mouse;
    if (!mouse) otherReports_.emplace_back(report.begin(), report.end());
    // A removed device takes no report, even after it came back.
    if (mouse && (!mouse->Plugged() || mouse->Plugging() != opened->plugging)) return false;
  }
  if (mouse) mouse->ReceiveFeatureReport(report);
  return true;
}

bool SimHidBus::Read(HidHandle handle, std::span<uint8_t> buffer) {
  EmulatedMouse* mouse = nullptr;
  uint32_t plugging = 0;
  {
    std::lock_guard lock(mutex_);
    const Opened* opened = Find(handle);
    if (!opened || opened->access != HidAccess::Read) return false;
    mouse = entries_[opened->entry].mouse;
    plugging = opened->plugging;
  }
  return mouse && mouse->ReadInputReport(buffer, plugging);
}

void SimHidBus::Close(HidHandle handle) {
  std::lock_guard lock(mutex_);
  opened_.erase(handle);
}

void SimHidBus::RegisterNotifications(WindowHost& window) {
  std::lock_guard lock(mutex_);
  ++registrations_;
  registered_.push_back(&window);
}

void SimHidBus::TellWindows(const EmulatedMouse& mouse, bool plugged) {
  std::vector<WindowHost*> windows;
  {
    std::lock_guard lock(mutex_);
    windows = registered_;
  }
  const uintptr_t event = plugged ? fw::kDeviceArrival : fw::kDeviceRemoveComplete;
  for (const auto& interface : mouse.Interfaces()) {
    const fw::DeviceBroadcast broadcast{fw::DeviceBroadcast::kDeviceInterface, interface.path};
    // The simulated backend makes every window a SimWindowHost.
    for (WindowHost* window : windows) static_cast<SimWindowHost*>(window)->SendDeviceChange(event, broadcast);
  }
}

std::vector<std::vector<uint8_t>> SimHidBus::OtherReports() const {
  std::lock_guard lock(mutex_);
  return otherReports_;
}

int SimHidBus::IndicesTried() const {
  std::lock_guard lock(mutex_);
  return indicesTried_;
}

int SimHidBus::Registrations() const {
  std::lock_guard lock(mutex_);
  return registrations_;
}

std::vector<int> SimHidBus::OpenAccessCounts() const {
  std::lock_guard lock(mutex_);
  std::vector<int> counts(3, 0);
  for (const auto& [handle, opened] : opened_) ++counts[static_cast<int>(opened.access)];
  return counts;
}

}  // namespace tx80
