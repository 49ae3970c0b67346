#pragma once
#include <cstdint>

#include "profile/ProfileModel.h"

namespace tx80 {

// What the elements of the skin tables are: the index of an element in its
// table (its RegionCode) says what it does and how it is drawn. Every number
// the program knows of the skin's layout files is here.

// MainItems. Elements 0..19 are shared by every page; the rest are the main
// page's own.
namespace main_element {
inline constexpr int32_t kStatusLine = 1;
inline constexpr int32_t kClose = 2;
inline constexpr int32_t kApply = 3;
inline constexpr int32_t kFirstProfile = 4;  // profiles 1..kProfileCount
inline constexpr int32_t kMainTab = 9;
inline constexpr int32_t kAdvancedTab = 10;
inline constexpr int32_t kColorTab = 11;
inline constexpr int32_t kMinimise = 12;
inline constexpr int32_t kTray = 13;
inline constexpr int32_t kImport = 14;
inline constexpr int32_t kExport = 15;
inline constexpr int32_t kReset = 16;
inline constexpr int32_t kChinese = 17;
inline constexpr int32_t kEnglish = 18;
inline constexpr int32_t kUserGuide = 19;
inline constexpr int32_t kLastShared = 19;

inline constexpr int32_t kFirstButton = 25;  // ButtonSlot 1..kButtonSlotCount
inline constexpr int32_t kLastButton = kFirstButton + kButtonSlotCount - 1;
inline constexpr int32_t kWheelStandard = 41;  // WHEEL_STATUS 0
inline constexpr int32_t kWheelReversed = 42;  // WHEEL_STATUS 1
inline constexpr int32_t kFirstLevelBox = 46;     // the enable box of DPI level index 0..3
inline constexpr int32_t kFirstLevelLabel = 50;   // its label
inline constexpr int32_t kFirstLevelSelect = 54;  // its selection
inline constexpr int32_t kFirstDpiStep = kFirstDpiStepRegion;  // kDpiStepCount steps per level
inline constexpr int32_t kFirstLevelMark = 80;  // the mark of the level in use
// The button of slot 1..7 on the picture of the mouse.
inline constexpr int32_t kFirstMouseButton = 90;

// The slot of a button element, and the other way round.
constexpr int32_t SlotOfButton(int32_t element) { return element - kFirstButton + 1; }
constexpr int32_t ButtonOfSlot(int32_t slot) { return kFirstButton + slot - 1; }
constexpr bool IsButton(int32_t element) { return element >= kFirstButton && element <= kLastButton; }
}  // namespace main_element

// AdvancedItems, the macro page.
namespace advanced_element {
inline constexpr int32_t kImportMacros = 0;
inline constexpr int32_t kExportMacros = 1;
inline constexpr int32_t kNewMacro = 2;
inline constexpr int32_t kDeleteMacro = 3;
inline constexpr int32_t kRecord = 4;
inline constexpr int32_t kSaveMacros = 5;
inline constexpr int32_t kRepeatMode = 6;
inline constexpr int32_t kMacroMode = 7;
inline constexpr int32_t kFirstPointerSpeed = 8;  // DPI_SPEED 0..9
inline constexpr int32_t kFirstScrollLines = 18;  // WHEEL_SPEED 0..9
inline constexpr int32_t kSettingChoices = 10;
inline constexpr int32_t kFireTimeBar = 30;
inline constexpr int32_t kFireTimeUp = 31;
inline constexpr int32_t kFireTimeDown = 32;
inline constexpr int32_t kFireTimeValue = 33;
inline constexpr int32_t kDownCounter = 38;
inline constexpr int32_t kUpCounter = 39;
}  // namespace advanced_element

// ColorItems.
namespace color_element {
inline constexpr int32_t kFirstLedMode = 0;  // LED_STATUS 0..3
inline constexpr int32_t kLedModes = 4;
inline constexpr int32_t kResolution = 9;
inline constexpr int32_t kLedPreview = 11;
}  // namespace color_element

// WarningItems: its two buttons give the dialog's result (1 go on, 2 give up).
namespace warning_element {
inline constexpr int32_t kGoOn = 0;
inline constexpr int32_t kGiveUp = 1;
inline constexpr int32_t kMessage = 2;
}  // namespace warning_element

}  // namespace tx80
