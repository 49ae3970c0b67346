#pragma once
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "platform/HidBus.h"

namespace tx80 {

class WindowHost;

// The mouse's two vendor collections as the program opened them.
struct DeviceHandles {
  std::u16string DevicePath;
  HidHandle InputHandle = 0;    // usage page 0xFF00, opened for reading
  HidHandle CommandHandle = 0;  // usage page 0xFF01, opened for writing
  HidCaps InputCaps{};
  HidCaps CommandCaps{};
  bool DeviceConnected = false;
};

// The link to the mouse, shared by the UI thread (discovery, removal), the
// reader and the command writers; each reads a consistent copy. The mouse may
// go and come back any number of times while the program runs.
class DeviceLink {
 public:
  static constexpr uint16_t kVendorId = 0x18F8;
  static constexpr uint16_t kProductId = 0x0F99;
  static constexpr uint16_t kInputUsagePage = 0xFF00;
  static constexpr uint16_t kCommandUsagePage = 0xFF01;
  static constexpr uint16_t kUsage = 1;
  // A guard against a list that never says it has ended; real machines list
  // a few hundred HID interfaces at most.
  static constexpr int kMaxInterfaces = 4096;
  // A read that failed while the mouse is still listed is tried again this
  // often, in case no removal notice follows (a transient error).
  static constexpr int kReadRetryMs = 1000;

  DeviceHandles Handles() const;
  bool Connected() const;

  // Registers `window` for the system's notices of HID interfaces arriving
  // and going: once, whether or not the mouse is there yet.
  void Watch(HidBus& hid, WindowHost& window);
  // Finds the mouse among the HID interfaces, to the end of the system's list,
  // and opens its two collections; only paths naming the mouse's vendor and
  // product ids are opened. True when an interface of the mouse was found
  // (a collection that failed to open keeps its handle invalid). Called while
  // not connected.
  bool Discover(HidBus& hid);
  // The mouse went away: not connected, every handle closed — the input
  // handle once the reader's read on it has returned.
  void Disconnect(HidBus& hid);

  // A device broadcast names one of the mouse's open interfaces: same path,
  // compared without regard to case.
  bool Matches(const std::u16string& broadcastPath) const;
  // The path names the mouse's vendor and product ids ("vid_18f8", "pid_0f99").
  static bool NamesThisMouse(const std::u16string& path);

  // The reader. BeginRead hands out the input handle for one read (0 when
  // there is none to read, or its last read failed) with its report length;
  // EndRead ends that use, closing the handle when the link let go of it
  // meanwhile.
  struct InputRead {
    HidHandle handle = 0;
    uint16_t reportLength = 0;
  };
  InputRead BeginRead();
  void EndRead(HidBus& hid, bool failed);
  // Blocks while BeginRead would give 0, until `stopping` is set (WakeReader
  // then) or kReadRetryMs have passed.
  void WaitForInput(const std::atomic<bool>& stopping);
  void WakeReader();

 private:
  mutable std::mutex mutex_;
  std::condition_variable inputReady_;
  DeviceHandles handles_;
  std::vector<std::u16string> paths_;  // every interface of the mouse that was found
  std::vector<HidHandle> probes_;      // the probe handles of those interfaces
  bool watching_ = false;
  bool reading_ = false;
  bool inputFailed_ = false;
  HidHandle orphanedInput_ = 0;  // let go of while the reader was reading it
};

}  // namespace tx80
