#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "device/DriverEvents.h"
#include "framework/Canvas.h"
#include "framework/Message.h"
#include "framework/Rect.h"
#include "framework/ProgramMessages.h"

namespace tx80 {

class MainWindowRef;
class OnScreenDisplay;


// From any thread: the notice goes to the main window's thread as a posted
// message, so that the thread that changed the mouse never waits on drawing.
void PostOnScreenNotice(MainWindowRef& mainWindow, OnScreenNotice notice);
// The notice a message carries; nothing for another message or an unknown kind.
std::optional<OnScreenNotice> DecodeOnScreenNotice(const fw::Message& message);

// "Profile 3" / "配置 3" (languageFlag nonzero: English).
std::u16string ProfileLabel(int32_t profile, int32_t languageFlag);
// "DPI 1600", "Profile 3" / "配置 3", "LED off" / "灯光 关" (languageFlag
// nonzero: English).
std::u16string OnScreenNoticeText(OnScreenNotice notice, int32_t languageFlag);
// "game.exe runs as administrator: start TX80 as administrator to use macros
// there" (languageFlag nonzero: English) or the Chinese; an empty name is
// "The program in front".
std::u16string ElevatedTargetText(const std::u16string& program, int32_t languageFlag);
// Where a text of that size is shown: centred, near the bottom of the work area.
fw::Rect OnScreenNoticeRect(const fw::Rect& workArea, fw::Size textSize);
// UI thread: shows the notice's text on the display for about a second.
void ShowOnScreenNotice(OnScreenDisplay& display, OnScreenNotice notice, int32_t languageFlag);
// UI thread: shows the elevated-target notice long enough to read it.
void ShowElevatedTargetNotice(OnScreenDisplay& display, const std::u16string& program, int32_t languageFlag);

}  // namespace tx80
