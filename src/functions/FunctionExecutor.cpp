#include "functions/FunctionExecutor.h"

#include <algorithm>
#include <utility>

#include "device/ButtonReport.h"
#include "device/DriverState.h"
#include "functions/ElevatedTargets.h"
#include "functions/FunctionCatalog.h"
#include "functions/KeyStrokes.h"
#include "functions/MacroPlayback.h"
#include "macro/MacroStore.h"
#include "platform/Clock.h"
#include "platform/InputInjector.h"
#include "platform/Shell.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {

constexpr int kShortcutHoldMs = 20;

constexpr uint8_t kVkControl = 0x11;
constexpr uint8_t kVkAlt = 0x12;
constexpr uint8_t kVkF4 = 0x73;
constexpr uint8_t kVkVolumeMute = 0xAD;
constexpr char16_t kComputerFolder[] = u"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

// The level a DPI function moves to from `current`; `current` when no enabled
// level lies that way. At most the four levels are looked at, so a profile
// without an enabled level (a hand-edited file) cannot loop.
int NextDpiLevel(int role, int current, const std::array<uint8_t, kDpiLevelCount>& enabled) {
  if (role == -1) {
    for (int level = current - 1; level >= 0; --level)
      if (enabled[level] == 1) return level;
  } else if (role == 1) {
    for (int level = current + 1; level < kDpiLevelCount; ++level)
      if (enabled[level] == 1) return level;
  } else {
    for (int step = 1; step <= kDpiLevelCount; ++step) {
      const int level = (current + step) % kDpiLevelCount;
      if (enabled[level] == 1) return level;
    }
  }
  return current;
}

bool InjectsInput(int32_t code) {
  using namespace function_code;
  return code == kMute || (code >= kCopy && code <= kCloseWindow);
}

}  // namespace

void FunctionExecutor::PerformPendingPress() {
  DriverFlags& flags = apply_.driver.flags;
  if (!flags.ButtonPending) return;
  const uint8_t pressed = flags.PressedCode;
  for (int slot = 1; slot <= kButtonSlotCount; ++slot) {
    if (pressed != PressCode(DeviceButtonTable[slot - 1])) continue;
    // The role is what the last apply told the mouse; the function is what the
    // slot holds now.
    const int role = flags.DpiRole[slot - 1];
    const int32_t code = apply_.profile.Fields().K[slot - 1];
    if (role != 0) {
      ChangeDpiLevel(role);
    } else if (code - function_code::kFirstMacro >= 0 && code - function_code::kFirstMacro < macros_.MacroCount()) {
      if (auto macro = macros_.Copy(code - function_code::kFirstMacro)) {
        WarnIfInputWillBeDropped();
        PlayMacro(*macro, apply_.profile.Fields().MACRO_MODE2, flags, input_, clock_);
      }
    } else {
      if (InjectsInput(code)) WarnIfInputWillBeDropped();
      Perform(code);
    }
  }
  flags.ButtonPending = false;
}

void FunctionExecutor::Run() {
  // Woken by the reader's post rather than polling: a press is performed as
  // soon as it arrives, and an idle driver costs nothing.
  std::atomic<uint32_t>& posted = apply_.driver.flags.PressesPosted;
  uint32_t seen = posted.load();
  while (!apply_.driver.stopping) {
    PerformPendingPress();
    posted.wait(seen);
    seen = posted.load();
  }
}

void FunctionExecutor::ChangeDpiLevel(int role) {
  // An apply on the UI thread sends and saves the level too: one at a time
  // keeps config.ini, the model and the mouse at the same level.
  // Sent and saved even when the level does not change.
  tx80::ChangeDpiLevel(apply_, [role](const ProfileState& state) {
    const int current = std::clamp(state.fields.DPI_LEVEL, 0, kDpiLevelCount - 1);
    return std::optional<int>(NextDpiLevel(role, current, state.fields.DPI_SET_EN));
  });
}

void FunctionExecutor::ToggleLed() {
  DriverState& driver = apply_.driver;
  const ProfileState state = apply_.profile.Snapshot();
  uint8_t toggle = driver.flags.LedToggleState;
  toggle = toggle != kLedOff ? kLedOff : state.ActiveLedMode;
  driver.flags.LedToggleState = toggle;
  const int level = std::clamp(state.fields.DPI_LEVEL, 0, kDpiLevelCount - 1);
  driver.commands.Send(DpiLedCommand(static_cast<uint8_t>(level), DpiLedByte(state.ActiveDpiSet[level], toggle)));
  driver.events.Repaint();
  driver.events.ShowNotice({toggle == kLedOff ? OnScreenNotice::Kind::LedOff : OnScreenNotice::Kind::LedOn, 0});
}

void FunctionExecutor::CtrlShortcut(uint8_t key) {
  SendKey(kVkControl, true, input_);
  SendKey(key, true, input_);
  clock_.Sleep(kShortcutHoldMs);
  SendKey(key, false, input_);
  SendKey(kVkControl, false, input_);
}

void FunctionExecutor::WarnIfInputWillBeDropped() {
  if (auto program = elevated_.NewlyBlocked(input_)) apply_.driver.events.TellElevatedTarget(std::move(*program));
}

void FunctionExecutor::NextProfile() {
  const int32_t next = SelectAndApplyNextProfile(apply_);
  apply_.driver.events.Repaint();
  apply_.driver.events.ShowNotice({OnScreenNotice::Kind::Profile, next});
}

void FunctionExecutor::Perform(int32_t code) {
  InputInjector& input = input_;
  Shell& shell = shell_;
  using namespace function_code;
  switch (code) {
    case kLedToggle:
      ToggleLed();
      break;
    case kMute:
      // A down alone would leave the key logically held.
      SendKey(kVkVolumeMute, true, input);
      SendKey(kVkVolumeMute, false, input);
      break;
    case kCopy:
      CtrlShortcut('C');
      break;
    case kPaste:
      CtrlShortcut('V');
      break;
    case kSelectAll:
      CtrlShortcut('A');
      break;
    case kUndo:
      CtrlShortcut('Z');
      break;
    case kCloseWindow:
      SendKey(kVkAlt, true, input);
      SendKey(kVkF4, true, input);
      SendKey(kVkF4, false, input);
      SendKey(kVkAlt, false, input);
      break;
    case kComputer:
      shell.Open(kComputerFolder);
      break;
    case kLockWorkstation:
      shell.LockWorkstation();
      break;
    case kCalculator:
      shell.Run("calc.exe");
      break;
    case kCommandPrompt:
      shell.Run("cmd.exe");
      break;
    case kNextProfile:
      NextProfile();
      break;
    default:
      break;  // the mouse's own functions and codes that name none
  }
}

}  // namespace tx80
