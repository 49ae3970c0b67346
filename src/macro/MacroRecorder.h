#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "framework/Message.h"
#include "platform/Clock.h"

namespace fw {
class Edit;
class ListBox;
}  // namespace fw

namespace tx80 {

class EventDisplay;
class KeyboardHook;
class MacroStore;
class ProfileModel;

// Recording a macro from the keyboard: the keyboard capture's handler keeps
// every keystroke on the desktop from the system and re-posts it to the main
// window, whose message loop hands each key message to Capture. Each stored event's delay is the gap
// to the next stored keystroke; the last one gets 30 ms. UI thread only.
class MacroRecorder {
 public:
  static constexpr int kMaxEvents = 216;
  static constexpr int kMaxPresses = 108;  // down events shown in the event list
  static constexpr int kMaxHeldKeys = 9;
  static constexpr uint16_t kLastEventDelay = 30;

  MacroRecorder(MacroStore& store, Clock& clock, KeyboardHook& hook, const ProfileModel& profile,
                EventDisplay& display, fw::ListBox& macroList, fw::ListBox& eventList, fw::Edit& repeatCountEdit);
  ~MacroRecorder();
  MacroRecorder(const MacroRecorder&) = delete;
  MacroRecorder& operator=(const MacroRecorder&) = delete;

  // The record region: starts a recording into the macro selected in the macro
  // list (the first one when none is), or stops the one running.
  void ToggleRecording();
  // A message of the main window's loop: while recording, key messages for the
  // main window or its children are stored. Nothing is swallowed.
  void Capture(const fw::Message& message);

  bool Recording() const { return recording_; }

 private:
  void Start();
  void Stop();
  // Milliseconds since the previous keystroke, at most 65535.
  int ElapsedSincePreviousKey();

  MacroStore& store_;
  Clock& clock_;
  KeyboardHook& hook_;
  const ProfileModel& profile_;
  EventDisplay& display_;
  fw::ListBox& macroList_;
  fw::ListBox& eventList_;
  fw::Edit& repeatCountEdit_;

  bool recording_ = false;
  int target_ = 0;
  int recorded_ = 0;
  uint32_t lastMessage_ = 0;
  uintptr_t lastKey_ = 0;
  // Keys pressed during this recording and not yet released, in press order.
  std::array<uint8_t, kMaxHeldKeys> heldKeys_{};
  int heldCount_ = 0;
  bool hookInstalled_ = false;
  std::optional<Clock::TimePoint> previousKey_;  // kept across recordings
};

}  // namespace tx80
