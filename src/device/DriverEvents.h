#pragma once
#include <cstdint>
#include <string>

#include "profile/SaveReporter.h"

namespace tx80 {

// A change made with a mouse button, for the on-screen display.
struct OnScreenNotice {
  enum class Kind : uint8_t { Dpi, Profile, LedOff, LedOn };
  Kind kind = Kind::Dpi;
  int32_t value = 0;  // the resolution in dpi, or the profile number
  bool operator==(const OnScreenNotice&) const = default;
};

// What the driver tells the application, from whichever thread it runs on
// (the reader, the executor, the UI thread). Each call only hands work on:
// none waits for a window.
class DriverEvents : public SaveReporter {
 public:
  // The driver's state changed in a way the main window shows.
  virtual void Repaint() = 0;
  // A change made with a mouse button, to be shown on the on-screen display.
  virtual void ShowNotice(OnScreenNotice notice) = 0;
  // Keys or buttons are about to go to a program that runs as administrator
  // while this one does not, which Windows drops: the user is to be told,
  // naming the program ("game.exe"; empty when it has no name to show).
  virtual void TellElevatedTarget(std::u16string program) = 0;
  // An apply left the driver waiting for its start click: the slot to click
  // is to blink in the status line.
  virtual void AwaitingStartClick() = 0;

 protected:
  ~DriverEvents() = default;
};

}  // namespace tx80
