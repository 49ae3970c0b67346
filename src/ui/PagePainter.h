#pragma once
#include <filesystem>

#include "framework/Canvas.h"
#include "macro/EventDisplay.h"
#include "ui/HitTest.h"
#include "ui/Page.h"
#include "ui/SkinTables.h"

namespace tx80 {

struct DriverFlags;
class MacroStore;
class ProfileModel;
class SkinPictureCache;

// What a paint of the main window shows. The paint reads it and changes
// nothing; whoever changes it asks for a repaint.
struct PageSources {
  Page page;
  std::filesystem::path skinsDirectory;
  const SkinTables& skin;
  const HoverState& hover;
  const DriverFlags& flags;  // the start-click handshake, the LED preview
  const ProfileModel& profile;
  const MacroStore& macros;
  bool recording = false;  // a macro recording is in progress
  EventCounters counters;  // of the macro page's event list
  bool mouseConnected = true;  // false: the status line asks for the mouse
};

// Paints the main window's client area: the page shown with every
// element in its state (hovered, pressed, chosen), then the texts; or, while
// the window is minimised, only the program icon in the middle. The page is
// composed on `canvas`, which the backend shows in one copy. Pictures come from
// `pictures`; where one is missing the page goes on without it (no normal
// picture: a black page with its texts).
void PaintPage(fw::Canvas& canvas, SkinPictureCache& pictures, const PageSources& sources, bool minimized);

}  // namespace tx80
