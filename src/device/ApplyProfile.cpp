#include "device/ApplyProfile.h"

#include <algorithm>
#include <mutex>

#include "device/DriverState.h"
#include "functions/FunctionCatalog.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {

constexpr int kPointerSpeeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16};
constexpr int kFastestPointerSpeed = 18;

int PointerSpeedFor(uint8_t dpiSpeed) { return dpiSpeed < std::size(kPointerSpeeds) ? kPointerSpeeds[dpiSpeed] : kFastestPointerSpeed; }

// Enters Waiting for the first slot given to the program. The application
// starts a blink thread only when none runs: one that has not yet seen the
// start click, or the page change, goes on blinking for this apply.
void AwaitStartClick(DriverState& driver, int slot) {
  DriverFlags& flags = driver.flags;
  flags.DriverActive = false;
  flags.StartKeyBlink = true;
  flags.StartKeySlot = slot;
  flags.BlinkRequested = true;
  driver.events.AwaitingStartClick();
}

// With the profile-operation lock held: records the profile in one save of
// config.ini, then sends it to the mouse and arms the handshake.
void RecordAndSendProfile(const ApplyTarget& target) {
  DriverState& driver = target.driver;
  DriverFlags& flags = driver.flags;
  const ProfileState state = target.profile.Snapshot();
  const ProfileFields& fields = state.fields;

  flags.DriverActive = true;
  // The whole record in one save, before anything is sent: config.ini never
  // holds a profile half written, whatever happens to the commands.
  driver.events.ReportSave(target.configPath,
                           SaveAppliedProfile(target.files, fields, target.configPath, state.CurConfig));

  for (int slot = 1; slot <= kButtonSlotCount; ++slot) {
    const FunctionInfo function = LookupFunction(fields.K[slot - 1]);
    flags.DpiRole[slot - 1] = function.dpiRole;
    driver.commands.SendIfOpen(ButtonCommand(DeviceButtonTable[slot - 1], function.deviceCode));
    if (function.deviceCode == kReportedDeviceCode && flags.DriverActive) AwaitStartClick(driver, slot);
  }

  driver.commands.Send(WheelCommand(fields.WHEEL_STATUS));
  const ProfileState active = target.profile.Activate();
  // A level from a hand-edited file must not index past the four levels.
  const int level = std::clamp(fields.DPI_LEVEL, 0, kDpiLevelCount - 1);
  driver.commands.Send(
      DpiLedCommand(static_cast<uint8_t>(level), DpiLedByte(active.ActiveDpiSet[level], active.ActiveLedMode)));
  driver.events.Repaint();
  driver.commands.Send(FireTimeCommand(fields.FIRE_TIME));

  driver.pendingSystemMouse.Want({PointerSpeedFor(fields.DPI_SPEED), (fields.WHEEL_SPEED + 1u) % 256u});
}

}  // namespace

void ApplyProfile(const ApplyTarget& target) {
  {
    std::lock_guard operation(target.driver.profileOperation);
    RecordAndSendProfile(target);
  }
  target.driver.pendingSystemMouse.Set(target.systemMouse);
}

namespace {

// `choose` picks the profile from the current one, under the lock, so that a
// selection on another thread cannot come in between.
template <typename Choose>
int32_t SelectAndApply(const ApplyTarget& target, Choose choose) {
  int32_t profile = 0;
  {
    std::lock_guard operation(target.driver.profileOperation);
    profile = choose(target.profile.CurConfig());
    SelectProfile(target.files, target.profile, target.configPath, profile);
    RecordAndSendProfile(target);
  }
  target.driver.pendingSystemMouse.Set(target.systemMouse);
  return profile;
}

}  // namespace

void SelectAndApplyProfile(const ApplyTarget& target, int32_t profile) {
  SelectAndApply(target, [profile](int32_t) { return profile; });
}

int32_t SelectAndApplyNextProfile(const ApplyTarget& target) {
  return SelectAndApply(target, [](int32_t current) { return current >= kProfileCount ? 1 : current + 1; });
}

std::optional<int> ChangeDpiLevel(const ApplyTarget& target,
                                  const std::function<std::optional<int>(const ProfileState&)>& choose) {
  DriverState& driver = target.driver;
  std::lock_guard operation(driver.profileOperation);
  const ProfileState state = target.profile.Snapshot();
  const std::optional<int> chosen = choose(state);
  if (!chosen || *chosen < 0 || *chosen >= kDpiLevelCount) return std::nullopt;
  const int level = *chosen;
  target.profile.SetDpiLevel(level);
  const uint8_t led = driver.flags.LedToggleState == kLedOff ? kLedOff : state.ActiveLedMode;
  driver.commands.Send(DpiLedCommand(static_cast<uint8_t>(level), DpiLedByte(state.ActiveDpiSet[level], led)));
  driver.events.Repaint();
  driver.events.ShowNotice({OnScreenNotice::Kind::Dpi, StepResolution(state.ActiveDpiSet[level])});
  driver.events.ReportSave(target.configPath, SaveDpiLevel(target.files, level, target.configPath, state.CurConfig));
  return level;
}

}  // namespace tx80
