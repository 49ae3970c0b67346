#pragma once
#include <atomic>
#include <mutex>

#include "device/CommandReport.h"
#include "device/DeviceLink.h"
#include "device/DriverEvents.h"
#include "device/DriverFlags.h"
#include "device/PendingSystemMouse.h"

namespace tx80 {

class HidBus;

// The driver's state: its flags, the link to the mouse and the commands sent
// on it, what the last apply asks of the system mouse, and the lock of the
// whole-profile operations. Shared by the UI thread, the reader, the executor
// and the preview threads.
struct DriverState {
  DriverState(HidBus& hid, DriverEvents& events) : commands(hid, device), events(events) {}

  DriverFlags flags;
  DeviceLink device;
  CommandReport commands;
  // What the last apply asks of the system mouse settings, set outside the lock.
  PendingSystemMouse pendingSystemMouse;

  // Whole-profile operations that load, save and send (apply, a profile
  // switch, the DPI buttons) come from two threads; one at a time keeps the
  // mouse, the model and config.ini in step. Nothing that waits on a window
  // runs under it, and nothing under it takes it again.
  std::mutex profileOperation;

  DriverEvents& events;

  // The background loops end when this is set. The program itself never sets
  // it (process exit ends them); tests do, to end the loops they started. A
  // reader blocked in its read also needs its device to go away.
  std::atomic<bool> stopping{false};
  void RequestStop();
};

}  // namespace tx80
