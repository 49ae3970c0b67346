#pragma once
#include <cstdint>
#include <functional>

#include "framework/DeviceBroadcast.h"

namespace tx80 {

struct AppContext;
class WindowHost;

// The program's mouse coming and going while the driver runs (a KVM switch,
// a hub that sleeps, the cable moved to another port). A removal leaves the
// program running and waiting; a mouse with the same ids that arrives is
// found again and sent the current profile, as after a resume. UI thread.
class MouseConnection {
 public:
  // Arrival notices come before the device takes commands, and one comes per
  // interface: both collections are looked for after this pause.
  static constexpr int kSettleAfterArrivalMs = 250;

  // `changed` runs when the mouse went or came back (the window's status line
  // and the tray tip say so).
  MouseConnection(AppContext& context, std::function<void()> changed);

  // The start sequence: watches for HID interfaces coming and going, then
  // looks for the mouse; true when found.
  bool Start(WindowHost& window);
  // WM_DEVICECHANGE.
  void OnDeviceChange(uintptr_t event, const fw::DeviceBroadcast* broadcast);

 private:
  void OnRemoval();
  void OnArrival();

  AppContext& context_;
  std::function<void()> changed_;
};

}  // namespace tx80
