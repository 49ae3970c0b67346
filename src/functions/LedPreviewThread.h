#pragma once
#include <cstdint>
#include <functional>

namespace tx80 {

class Clock;
class ProfileModel;
struct DriverFlags;

// Animates the LED preview of the color page as the mouse's LED behaves in the
// mode in force on it (ActiveLedMode): modes 0 and 1 cycle through the colours
// of the four DPI levels, lit then dark, in phases of 1200 or 800 ms; mode 2
// shows the current level's colour; mode 3 is dark. It only writes
// LedPreviewDark and LedPreviewIndex and asks for repaints; the page draws them.
// It runs while the color page is shown (`colorPageShown`). The starter sets
// LedPreviewRunning; Run clears it when the page is left, and goes on if the
// page is back by then.
class LedPreviewThread {
 public:
  static constexpr int kSlowPhaseMs = 1200;   // mode 0
  static constexpr int kFastPhaseMs = 800;    // mode 1
  static constexpr int kLevelChangeMs = 2000;  // extra time a new DPI level is shown

  LedPreviewThread(DriverFlags& flags, const ProfileModel& profile, Clock& clock, std::function<void()> repaint,
                   std::function<bool()> colorPageShown);

  // Shows the current DPI level; false when the color page is not shown.
  bool Begin();
  // One phase: sets the flags, repaints and waits the phase out. False once
  // the color page is no longer shown.
  bool Step();
  // The whole thread: Begin, phases while the color page is shown, then
  // LedPreviewRunning = false.
  void Run();

 private:
  int32_t CurrentDpiLevel() const;

  DriverFlags& flags_;
  const ProfileModel& profile_;
  Clock& clock_;
  std::function<void()> repaint_;
  std::function<bool()> colorPageShown_;
  int32_t lastLevel_ = 0;
};

}  // namespace tx80
