#include "macro/MacroRecorder.h"

#include <algorithm>
#include <chrono>

#include "profile/Captions.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "macro/EventDisplay.h"
#include "macro/MacroStore.h"
#include "platform/Clock.h"
#include "platform/KeyboardHook.h"
#include "profile/ProfileModel.h"

namespace tx80 {

namespace {
constexpr int kMaxDelay = 65535;

bool IsDown(uint32_t id) { return id == fw::msg::kKeyDown || id == fw::msg::kSysKeyDown; }
bool IsKeyMessage(uint32_t id) {
  return IsDown(id) || id == fw::msg::kKeyUp || id == fw::msg::kSysKeyUp;
}
}  // namespace

MacroRecorder::MacroRecorder(MacroStore& store, Clock& clock, KeyboardHook& hook, const ProfileModel& profile,
                             EventDisplay& display, fw::ListBox& macroList, fw::ListBox& eventList,
                             fw::Edit& repeatCountEdit)
    : store_(store),
      clock_(clock),
      hook_(hook),
      profile_(profile),
      display_(display),
      macroList_(macroList),
      eventList_(eventList),
      repeatCountEdit_(repeatCountEdit) {}

MacroRecorder::~MacroRecorder() {
  // Never leave the desktop without a keyboard.
  if (hookInstalled_) hook_.Remove();
}

void MacroRecorder::ToggleRecording() {
  eventList_.SetFocus();
  if (macroList_.Count() == 0) return;
  recording_ = !recording_;
  if (recording_)
    Start();
  else
    Stop();
}

void MacroRecorder::Start() {
  heldKeys_.fill(0);
  heldCount_ = 0;
  // A new recording's first press is never taken for the repeat of the last
  // key of the one before.
  lastMessage_ = 0;
  lastKey_ = 0;
  if (!hookInstalled_) {
    hookInstalled_ = hook_.Install([this](uint32_t message, uint32_t virtualKey) {
      // Every keystroke while recording goes to the main window alone, by the
      // caption (and so the window) of the interface language in use now, and
      // is kept from the system: no program types it as well.
      hook_.PostToWindow(MainCaption(profile_.LanguageFlag()), message, virtualKey);
      return true;
    });
  }
  target_ = std::max(macroList_.CurSel(), 0);
  recorded_ = 0;
  display_.ResetCounters();
  store_.ResetMacro(target_, macroList_.Text(target_));
  store_.SetCurrentMacro(target_);
  repeatCountEdit_.SetText(u"1");
  repeatCountEdit_.Enable(false);
  eventList_.DeleteAll();
}

void MacroRecorder::Stop() {
  store_.SetEventCount(target_, recorded_);
  if (hookInstalled_) {
    hook_.Remove();
    hookInstalled_ = false;
  }
}

void MacroRecorder::Capture(const fw::Message& message) {
  if (!recording_ || !IsKeyMessage(message.id) || !message.forDialogOrChild) return;
  // A held key repeats its down message: only the first one is stored.
  const bool repeat = message.id == lastMessage_ && message.wParam == lastKey_;
  if (!repeat && recorded_ < kMaxEvents) {
    const bool down = IsDown(message.id);
    const auto code = static_cast<uint8_t>(message.wParam & 0xFF);
    const auto heldEnd = heldKeys_.begin() + heldCount_;
    if (down) {
      // Beyond 108 presses, or a tenth key held at once: not stored, and its
      // release will not be either.
      if (display_.Counters().down >= kMaxPresses || heldCount_ >= kMaxHeldKeys) return;
      heldKeys_[static_cast<size_t>(heldCount_++)] = code;
    } else {
      // The release of a key pressed before the recording started is not stored.
      const auto held = std::find(heldKeys_.begin(), heldEnd, code);
      if (held == heldEnd) return;
      std::copy(held + 1, heldEnd, held);
      heldKeys_[static_cast<size_t>(--heldCount_)] = 0;
    }
    const int elapsed = ElapsedSincePreviousKey();
    if (recorded_ > 0) {
      store_.SetDelay(target_, recorded_ - 1, elapsed);
      store_.SetDelay(target_, recorded_, kLastEventDelay);
    }
    store_.SetEvent(target_, recorded_, code, down ? kActionDown : kActionUp);
    if (const auto macro = store_.Copy(target_)) display_.FormatMacroEvent(*macro, recorded_, {.last = true});
    ++recorded_;
  }
  lastMessage_ = message.id;
  lastKey_ = message.wParam;
}

int MacroRecorder::ElapsedSincePreviousKey() {
  // The monotonic clock: the time of day ticks with the system timer (about
  // 15.6 ms) and jumps when it is set.
  const Clock::TimePoint now = clock_.Now();
  const Clock::Duration elapsed = previousKey_ ? now - *previousKey_ : Clock::Duration::zero();
  previousKey_ = now;
  return static_cast<int>(std::min<int64_t>(std::chrono::round<std::chrono::milliseconds>(elapsed).count(), kMaxDelay));
}

}  // namespace tx80
