#include "app/MouseConnection.h"

#include <utility>

#include "app/AppContext.h"
#include "device/ApplyProfile.h"

namespace tx80 {

MouseConnection::MouseConnection(AppContext& context, std::function<void()> changed)
    : context_(context), changed_(std::move(changed)) {}

bool MouseConnection::Start(WindowHost& window) {
  DeviceLink& device = context_.driver.device;
  device.Watch(context_.platform.hid, window);
  return device.Discover(context_.platform.hid);
}

void MouseConnection::OnDeviceChange(uintptr_t event, const fw::DeviceBroadcast* broadcast) {
  if (!broadcast || broadcast->deviceType != fw::DeviceBroadcast::kDeviceInterface) return;
  const DeviceLink& device = context_.driver.device;
  if (event == fw::kDeviceRemoveComplete && device.Connected() && device.Matches(broadcast->name)) {
    OnRemoval();
  } else if (event == fw::kDeviceArrival && !device.Connected() && DeviceLink::NamesThisMouse(broadcast->name)) {
    OnArrival();
  }
}

// The reader's read has failed by now or fails as the device goes, which
// also stops a playing macro; its handle is closed once that read returns.
void MouseConnection::OnRemoval() {
  context_.driver.device.Disconnect(context_.platform.hid);
  changed_();
}

void MouseConnection::OnArrival() {
  Platform& os = context_.platform;
  DeviceLink& device = context_.driver.device;
  os.clock.Sleep(kSettleAfterArrivalMs);
  device.Discover(os.hid);
  const DeviceHandles handles = device.Handles();
  // Only one collection listed yet: the other's arrival looks again.
  if (handles.InputHandle == 0 || handles.CommandHandle == 0) {
    device.Disconnect(os.hid);
    return;
  }
  ApplyProfile(context_.applyTarget);
  changed_();
}

}  // namespace tx80
