#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "platform/HidBus.h"
#include "platform/emulated/EmulatedMouse.h"

namespace tx80 {

// The HID interfaces of the simulated machine: those of an emulated mouse
// while it is plugged in, and any other devices a test adds. Indices and opens
// can be made to fail. As the system does, the bus tells each registered
// window of a mouse's interfaces going and coming (EmulatedMouse::Unplug and
// Plug), at once, on the thread that pulled or plugged the cable.
class SimHidBus : public HidBus {
 public:
  SimHidBus() = default;
  SimHidBus(const SimHidBus&) = delete;
  SimHidBus& operator=(const SimHidBus&) = delete;
  ~SimHidBus() override;

  struct Device {
    std::u16string path;
    HidAttributes attributes;
    HidCaps caps;
  };

  // Lists the mouse's interfaces after the devices already on the bus, while
  // the mouse is plugged in.
  void Plug(std::shared_ptr<EmulatedMouse> mouse);
  void AddDevice(Device device);
  void FailIndex(int index);
  void FailOpen(const std::u16string& path, HidAccess access);

  void BeginEnumeration() override;
  void EndEnumeration() override;
  HidListing InterfaceAt(int index) override;
  HidHandle Open(const std::u16string& path, HidAccess access) override;
  std::optional<HidAttributes> Attributes(HidHandle handle) override;
  std::optional<HidCaps> Capabilities(HidHandle handle) override;
  bool SetFeature(HidHandle handle, std::span<const uint8_t> report) override;
  bool Read(HidHandle handle, std::span<uint8_t> buffer) override;
  void Close(HidHandle handle) override;
  void RegisterNotifications(WindowHost& window) override;

  // Feature reports written to devices other than an emulated mouse.
  std::vector<std::vector<uint8_t>> OtherReports() const;
  int IndicesTried() const;
  int Registrations() const;
  std::vector<int> OpenAccessCounts() const;  // probe, read, write opens still open

 private:
  struct Entry {
    Device device;
    EmulatedMouse* mouse = nullptr;
  };
  struct Opened {
    std::size_t entry;
    HidAccess access;
    uint32_t plugging;  // of the entry's mouse when opened
  };
  const Opened* Find(HidHandle handle) const;
  std::vector<Entry> Listed() const;  // with the mutex held
  void TellWindows(const EmulatedMouse& mouse, bool plugged);

  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
  std::vector<std::shared_ptr<EmulatedMouse>> mice_;
  std::set<int> failingIndices_;
  std::set<std::pair<std::u16string, HidAccess>> failingOpens_;
  std::map<HidHandle, Opened> opened_;
  std::vector<WindowHost*> registered_;
  HidHandle nextHandle_ = 100;
  std::vector<std::vector<uint8_t>> otherReports_;
  int indicesTried_ = 0;
  int registrations_ = 0;
};

}  // namespace tx80
