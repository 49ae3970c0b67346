#include "device/ApplyProfile.h"

#include <algorithm>

#include "app/AppContext.h"
#include "functions/BlinkThread.h"
#include "functions/FunctionCatalog.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {

constexpr int kPointerSpeeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16};
constexpr int kFastestPointerSpeed = 18;

int PointerSpeedFor(uint8_t dpiSpeed) { return dpiSpeed < std::size(kPointerSpeeds) ? kPointerSpeeds[dpiSpeed] : kFastestPointerSpeed; }

// Enters Waiting for the first slot given to the program; the blink thread
// starts only once until the start click.
void AwaitStartClick(AppContext& context, int slot) {
  DriverFlags& flags = context.flags;
  flags.DriverActive = false;
  flags.StartKeyBlink = true;
  flags.StartKeySlot = slot;
  if (flags.BlinkRequested.exchange(true)) return;
  flags.BlinkThreadRunning = true;
  context.platform.threads.Start([&context] { RunBlinkThread(context); }, ThreadPriority::Normal);
}

}  // namespace

void ApplyProfile(AppContext& context) {
  std::lock_guard operation(context.profileOperation);
  Platform& os = context.platform;
  DriverFlags& flags = context.flags;
  const std::filesystem::path& config = context.paths.configPath;
  const ProfileState state = context.profile.Snapshot();
  const ProfileFields& fields = state.fields;

  flags.DriverActive = true;
  WriteCurConfig(config, state.CurConfig);
  SaveProfile(fields, config, kAppliedProfile);

  for (int slot = 1; slot <= 7; ++slot) {
    const FunctionInfo function = LookupFunction(fields.K[slot - 1]);
    flags.DpiRole[slot - 1] = function.dpiRole;
    context.commands.SendIfOpen(ButtonCommand(DeviceButtonTable[slot - 1], function.deviceCode));
    if (function.deviceCode == kReportedDeviceCode && flags.DriverActive) AwaitStartClick(context, slot);
  }

  context.commands.Send(WheelCommand(fields.WHEEL_STATUS));
  const ProfileState active = context.profile.Activate();
  // A level from a hand-edited file must not index past the four levels.
  const int level = std::clamp(fields.DPI_LEVEL, 0, 3);
  context.commands.Send(DpiLedCommand(static_cast<uint8_t>(level), DpiLedByte(active.ActiveDpiSet[level], active.ActiveLedMode)));
  context.RepaintMainWindow();

  if (os.systemMouse.PointerSpeed()) os.systemMouse.SetPointerSpeed(PointerSpeedFor(fields.DPI_SPEED));
  if (os.systemMouse.WheelScrollLines()) os.systemMouse.SetWheelScrollLines((fields.WHEEL_SPEED + 1u) % 256u);

  context.commands.Send(FireTimeCommand(fields.FIRE_TIME));
  SaveProfile(fields, config, state.CurConfig);
}

void SelectAndApplyProfile(AppContext& context, int32_t profile) {
  std::lock_guard operation(context.profileOperation);
  context.profile.SetCurConfig(profile);
  LoadProfile(context.profile, context.paths.configPath, profile, false);
  ApplyProfile(context);
  context.RepaintMainWindow();
}

}  // namespace tx80
