#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "profile/ProfileModel.h"

namespace tx80 {

// The driver's runtime flags, shared by the UI thread, the button report
// reader, the function executor and the preview threads. Each flag has one
// writer per transition; atomics make every read see a whole value.
struct DriverFlags {
  // One-slot mailbox between the reader and the executor.
  std::atomic<bool> ButtonPending{false};
  std::atomic<uint8_t> PressedCode{0};
  // Ends the macro of the press being performed. Once the threads run, only
  // the reader writes it: set by a second press (or, in hold mode, a release),
  // cleared as it posts the next press, so a stop never carries over.
  std::atomic<bool> MacroStop{false};
  // Counts the presses posted to the mailbox, so the executor can sleep until
  // the next one instead of polling.
  std::atomic<uint32_t> PressesPosted{0};

  // Start-click handshake.
  std::atomic<bool> DriverActive{true};
  std::atomic<int> StartKeySlot{0};
  std::atomic<bool> StartKeyBlink{true};
  std::atomic<bool> BlinkRequested{false};
  std::atomic<bool> BlinkThreadRunning{false};

  // What the last apply decided, per ButtonSlot (index slot - 1).
  std::array<std::atomic<int>, kButtonSlotCount> DpiRole{};
  std::atomic<uint8_t> LedToggleState{0};

  // LED preview on the color page.
  std::atomic<bool> LedPreviewRunning{false};
  std::atomic<bool> LedPreviewDark{false};
  std::atomic<int> LedPreviewIndex{0};
};

}  // namespace tx80
