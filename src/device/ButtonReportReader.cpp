#include "device/ButtonReportReader.h"

#include <algorithm>

#include "device/DriverState.h"
#include "platform/Clock.h"
#include "platform/HidBus.h"
#include "platform/Threads.h"
#include "profile/ProfileModel.h"

namespace tx80 {

void ButtonReportReader::HandleReport(std::span<const uint8_t> report) {
  DriverFlags& flags = driver_.flags;
  // A short read is never a button report: its state byte is missing.
  if (report.size() < 2) return;
  const uint8_t state = report[1];
  if (!flags.DriverActive) {
    // While waiting, only the release of a reported button (the start click)
    // counts; presses are dropped, not performed later.
    if (report[0] == kButtonReportId && state == kReleaseCode) {
      flags.DriverActive = true;
      flags.BlinkRequested = false;
      flags.StartKeyBlink = false;
      driver_.events.Repaint();
    }
    return;
  }
  const bool holdMode = profile_.Fields().MACRO_MODE2 != 0;
  if (state >= PressCode(1)) {
    if (!flags.ButtonPending) {
      // No press is being performed, so a stop still set belongs to none: the
      // release of a button that plays nothing, or a stop that came as the last
      // pass ended. It must not end the macro of this press.
      flags.MacroStop = false;
      flags.PressedCode = state;
      flags.ButtonPending = true;  // published after the code
      flags.PressesPosted.fetch_add(1);
      flags.PressesPosted.notify_one();
    } else if (!holdMode) {
      flags.MacroStop = true;  // a second press stops the running macro
    }
  } else if (state == kReleaseCode && holdMode) {
    flags.MacroStop = true;  // releasing the button ends a macro repeated while held
  }
}

void ButtonReportReader::Step() {
  DeviceLink& device = driver_.device;
  const DeviceLink::InputRead input = device.BeginRead();
  if (input.handle == 0) {
    StopMacroOfAGoneMouse();
    // No mouse, or its handle died: sleep until it is found again.
    device.WaitForInput(driver_.stopping);
    return;
  }
  const std::size_t length = std::min<std::size_t>(input.reportLength, buffer_.size());
  const bool read = hid_.Read(input.handle, std::span(buffer_.data(), length));
  device.EndRead(hid_, !read);
  if (read) {
    HandleReport(std::span<const uint8_t>(buffer_.data(), length));
  } else {
    StopMacroOfAGoneMouse();
  }
  clock_.Sleep(kPauseMs);
}

// The mouse went away under a playing macro: no release or second press will
// come to end it, so it is stopped as they would (its keys are let go).
void ButtonReportReader::StopMacroOfAGoneMouse() {
  if (driver_.flags.ButtonPending) driver_.flags.MacroStop = true;
}

void ButtonReportReader::Run() {
  threads_.CreateNamedEvent(u"MacroSendEnd");
  while (!driver_.stopping) Step();
}

}  // namespace tx80
