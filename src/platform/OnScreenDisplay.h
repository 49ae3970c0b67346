#pragma once
#include <string>
#include <string_view>

#include "framework/Canvas.h"
#include "framework/Rect.h"

namespace tx80 {

// What the on-screen display shows, where, how, and for how long.
struct OnScreenText {
  std::u16string text;
  fw::Rect rect;  // screen coordinates
  fw::FontSpec font;
  fw::Rgb textColour;
  fw::Rgb background;
  uint8_t opacity = 255;  // 0 invisible .. 255 opaque
  int durationMs = 0;
};

// A small window over every other window that shows a short text for a while:
// no frame, no caption, no taskbar button; it never takes the focus or the
// keyboard, and clicks pass through it to what lies below. One window, made on
// first use. UI thread only.
class OnScreenDisplay {
 public:
  virtual ~OnScreenDisplay() = default;
  // The work area (the desktop without the taskbar), in screen coordinates,
  // of the monitor that shows the foreground window: where the user plays.
  // The primary monitor's when no window is in front.
  virtual fw::Rect WorkArea() = 0;
  // Width and height of the text in the font.
  virtual fw::Size TextSize(std::u16string_view text, const fw::FontSpec& font) = 0;
  // Shows the text centred in its rectangle, replacing whatever the window
  // showed, without activating it; hides the window durationMs later (a new
  // Show starts the time again).
  virtual void Show(const OnScreenText& text) = 0;
};

}  // namespace tx80
