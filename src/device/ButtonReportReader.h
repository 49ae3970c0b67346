#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "device/ButtonReport.h"

namespace tx80 {

class Clock;
class HidBus;
class ProfileModel;
class Threads;
struct DriverState;

// Reads the mouse's button reports and turns them into the driver's flags: a
// pending press for the executor, a stop request for a playing macro, and the
// start click that ends the wait after an apply.
class ButtonReportReader {
 public:
  static constexpr int kPauseMs = 2;

  // `profile` gives the macro mode (MACRO_MODE2) in force when a report comes.
  ButtonReportReader(DriverState& driver, const ProfileModel& profile, HidBus& hid, Clock& clock, Threads& threads)
      : driver_(driver), profile_(profile), hid_(hid), clock_(clock), threads_(threads) {}

  // One received report, handled as the thread handles it.
  void HandleReport(std::span<const uint8_t> report);
  // One turn of the thread: wait for a report, handle it, pause 2 ms.
  void Step();
  // The thread: turns until the program stops.
  void Run();

 private:
  void StopMacroOfAGoneMouse();

  DriverState& driver_;
  const ProfileModel& profile_;
  HidBus& hid_;
  Clock& clock_;
  Threads& threads_;
  std::array<uint8_t, 256> buffer_{};
};

}  // namespace tx80
