#pragma once
#include <cstdint>

#include "framework/Message.h"

namespace tx80 {

// The messages the program posts to its own main window, in one table so that
// no two share a number. (The tray icon's callback, WM_USER + 1, is the tray's.)

// list -> parent: the in-place editor has closed, whether its text was kept or not.
inline constexpr uint32_t kEditorClosedMessage = fw::msg::kUser + 10;
// A file could not be saved: saves happen on the function executor too, and a
// message box belongs on the UI thread.
inline constexpr uint32_t kSaveFailedMessage = fw::msg::kUser + 20;
// An on-screen notice: the kind in wParam, the value in lParam.
inline constexpr uint32_t kOnScreenNoticeMessage = fw::msg::kUser + 30;
// The foreground watch's report, whether or not another window came to the front.
inline constexpr uint32_t kForegroundReportMessage = fw::msg::kUser + 31;
// Show the elevated-target notice for the program the driver last named.
inline constexpr uint32_t kElevatedTargetMessage = fw::msg::kUser + 32;
// The thread that waited out a refused tray icon asks for another try.
inline constexpr uint32_t kRetryTrayAddMessage = fw::msg::kUser + 33;

}  // namespace tx80
