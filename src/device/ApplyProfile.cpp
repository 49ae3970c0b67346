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

// Enters Waiting for the first slot given to the program. A blink thread
// starts only when none runs: one that has not yet seen the start click, or
// the page change, goes on blinking for this apply.
void AwaitStartClick(AppContext& context, int slot) {
  DriverFlags& flags = context.flags;
  flags.DriverActive = false;
  flags.StartKeyBlink = true;
  flags.StartKeySlot = slot;
  if (flags.BlinkThreadRunning.exchange(true)) return;
  flags.BlinkRequested = true;
  context.platform.threads.Start([&context] { RunBlinkThread(context); }, ThreadPriority::Normal);
}

}  // namespace

void RecordAndSendProfile(AppContext& context) {
  DriverFlags& flags = context.flags;
  const ProfileState state = context.profile.Snapshot();
  const ProfileFields& fields = state.fields;

  flags.DriverActive = true;
  // The whole record in one save, before anything is sent: config.ini never
  // holds a profile half written, whatever happens to the commands.
  const std::filesystem::path& config = context.paths.configPath;
  context.ReportSave(config, SaveAppliedProfile(context.platform.files, fields, config, state.CurConfig));

  for (int slot = 1; slot <= kButtonSlotCount; ++slot) {
    const FunctionInfo function = LookupFunction(fields.K[slot - 1]);
    flags.DpiRole[slot - 1] = function.dpiRole;
    context.commands.SendIfOpen(ButtonCommand(DeviceButtonTable[slot - 1], function.deviceCode));
    if (function.deviceCode == kReportedDeviceCode && flags.DriverActive) AwaitStartClick(context, slot);
  }

  context.commands.Send(WheelCommand(fields.WHEEL_STATUS));
  const ProfileState active = context.profile.Activate();
  // A level from a hand-edited file must not index past the four levels.
  const int level = std::clamp(fields.DPI_LEVEL, 0, kDpiLevelCount - 1);
  context.commands.Send(DpiLedCommand(static_cast<uint8_t>(level), DpiLedByte(active.ActiveDpiSet[level], active.ActiveLedMode)));
  context.RepaintMainWindow();
  context.commands.Send(FireTimeCommand(fields.FIRE_TIME));

  context.pendingSystemMouse.Want({PointerSpeedFor(fields.DPI_SPEED), (fields.WHEEL_SPEED + 1u) % 256u});
}

void SetSystemMouse(AppContext& context) { context.pendingSystemMouse.Set(context.platform.systemMouse); }

void ApplyProfile(AppContext& context) {
  {
    std::lock_guard operation(context.profileOperation);
    RecordAndSendProfile(context);
  }
  SetSystemMouse(context);
}

}  // namespace tx80
