#include "platform/sim/SimHidBus.h"

namespace tx80 {

void SimHidBus::Plug(std::shared_ptr<EmulatedMouse> mouse) {
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

std::optional<std::u16string> SimHidBus::InterfacePath(int index) {
  std::lock_guard lock(mutex_);
  ++indicesTried_;
  // Failing indices hide the devices behind them one place further on.
  int listed = 0;
  for (int i = 0; i < index; ++i)
    if (!failingIndices_.contains(i)) ++listed;
  if (failingIndices_.contains(index) || listed >= static_cast<int>(entries_.size())) return std::nullopt;
  return entries_[listed].device.path;
}

HidHandle SimHidBus::Open(const std::u16string& path, HidAccess access) {
  std::lock_guard lock(mutex_);
  if (failingOpens_.contains({path, access})) return kInvalidHidHandle;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].device.path != path) continue;
    const HidHandle handle = nextHandle_++;
    opened_[handle] = {i, access};
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
  }
  if (mouse) mouse->ReceiveFeatureReport(report);
  return true;
}

bool SimHidBus::Read(HidHandle handle, std::span<uint8_t> buffer) {
  EmulatedMouse* mouse = nullptr;
  {
    std::lock_guard lock(mutex_);
    const Opened* opened = Find(handle);
    if (!opened || opened->access != HidAccess::Read) return false;
    mouse = entries_[opened->entry].mouse;
  }
  return mouse && mouse->ReadInputReport(buffer);
}

void SimHidBus::Close(HidHandle handle) {
  std::lock_guard lock(mutex_);
  opened_.erase(handle);
}

void SimHidBus::RegisterNotifications(WindowHost&) {
  std::lock_guard lock(mutex_);
  ++registrations_;
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
