#include "ui/ClickDispatch.h"

#include "app/AppContext.h"
#include "framework/Dialog.h"
#include "framework/Message.h"
#include "functions/BlinkThread.h"
#include "functions/LedPreviewThread.h"
#include "macro/MacroPage.h"
#include "platform/WindowHost.h"

namespace tx80 {

namespace {

// MainItems: page tabs and the main page's elements.
constexpr int32_t kMainTab = 9;
constexpr int32_t kAdvancedTab = 10;
constexpr int32_t kColorTab = 11;
constexpr int32_t kFirstButtonElement = 25;  // ButtonSlot 1..7
constexpr int kButtonSlots = 7;
constexpr int32_t kFirstWheelMode = 41;      // wheel status 0 and 1
constexpr int32_t kFirstLevelBox = 46;       // enable box of DPI level index 0..3
constexpr int32_t kFirstLevelSelect = 54;    // DPI level index 0..3
constexpr int kDpiLevels = 4;
constexpr int kDpiSteps = 5;

// AdvancedItems.
enum AdvancedElement : int32_t {
  kImportMacros = 0,
  kExportMacros = 1,
  kNewMacro = 2,
  kDeleteMacro = 3,
  kRecord = 4,
  kSaveMacros = 5,
  kRepeatMode = 6,
  kMacroMode = 7,
  kFirstPointerSpeed = 8,  // speeds 0..9
  kFirstScrollLines = 18,  // lines 0..9
  kFireTimeBar = 30,
  kFireTimeUp = 31,
  kFireTimeDown = 32,
};
constexpr int kSettingChoices = 10;

// ColorItems 0..3 are the LED modes.
constexpr int kLedModes = 4;

bool InRange(int32_t code, int32_t first, int count) { return code >= first && code < first + count; }

}  // namespace

ClickDispatch::ClickDispatch(fw::Dialog& mainWindow, AppContext& context, MacroPage& macroPage)
    : mainWindow_(mainWindow), context_(context), macroPage_(macroPage) {}

void ClickDispatch::MainClickPress(int x, int y) {
  HoverState& hover = context_.hover;
  // Any element under the pointer, of whatever page, is drawn pressed until
  // the release.
  if (hover.MainHover != kNoElement || hover.ColorHover != kNoElement || hover.AdvancedHover != kNoElement) {
    hover.ButtonHeld = true;
    Repaint();
  }
  switch (context_.flags.CurrentPage.load()) {
    case kMainPage:
      PressOnMainPage(x, y);
      break;
    case kAdvancedPage:
      PressOnAdvancedPage(x, y);
      break;
    case kColorPage:
      PressOnColorPage(x, y);
      break;
    default:
      break;
  }
}

void ClickDispatch::PressOnMainPage(int x, int y) {
  ProfileModel& profile = context_.profile;
  const int32_t code = context_.hover.MainHover;
  if (code == kAdvancedTab) {
    EnterPage(kAdvancedPage);
  } else if (code == kColorTab) {
    EnterPage(kColorPage);
  } else if (InRange(code, kFirstButtonElement, kButtonSlots)) {
    OpenAssignMenu(code);
  } else if (InRange(code, kFirstWheelMode, 2)) {
    profile.SetWheelStatus(code - kFirstWheelMode);
  } else if (InRange(code, kFirstLevelBox, kDpiLevels)) {
    profile.ToggleDpiLevel(code - kFirstLevelBox);
  } else if (InRange(code, kFirstLevelSelect, kDpiLevels)) {
    profile.SelectDpiLevel(code - kFirstLevelSelect);
  } else if (InRange(code, kFirstDpiStepRegion, kDpiLevels * kDpiSteps)) {
    const int step = code - kFirstDpiStepRegion;
    profile.ChooseDpiStep(step / kDpiSteps, step % kDpiSteps);
  } else if (code == kNoElement) {
    DragWindow(x, y);
  }
}

void ClickDispatch::PressOnAdvancedPage(int x, int y) {
  ProfileModel& profile = context_.profile;
  const int32_t shared = context_.hover.MainHover;
  if (shared == kMainTab) return EnterPage(kMainPage);
  if (shared == kColorTab) return EnterPage(kColorPage);

  const int32_t code = context_.hover.AdvancedHover;
  switch (code) {
    case kImportMacros:
      return macroPage_.ImportMacros();
    case kExportMacros:
      return macroPage_.ExportMacros();
    case kNewMacro:
      return macroPage_.NewMacro();
    case kDeleteMacro:
      return macroPage_.DeleteMacro();
    case kRecord:
      return macroPage_.ToggleRecording();
    case kSaveMacros:
      return macroPage_.SaveMacros();
    case kRepeatMode:
      return macroPage_.ToggleRepeatMode();
    case kMacroMode:
      return profile.ToggleMacroMode();
    case kFireTimeBar: {
      const SkinItem& bar = context_.skin.AdvancedItems[kFireTimeBar];
      profile.SetFireTimeFromSlider(x, bar.x, bar.width);
      return Repaint();
    }
    case kFireTimeUp:
      profile.IncreaseFireTime();
      return Repaint();
    case kFireTimeDown:
      profile.DecreaseFireTime();
      return Repaint();
    default:
      break;
  }
  if (InRange(code, kFirstPointerSpeed, kSettingChoices)) {
    profile.SetPointerSpeed(code - kFirstPointerSpeed);
  } else if (InRange(code, kFirstScrollLines, kSettingChoices)) {
    profile.SetScrollLines(code - kFirstScrollLines);
  } else if (code == kNoElement && shared == kNoElement) {
    DragWindow(x, y);
  }
}

void ClickDispatch::PressOnColorPage(int x, int y) {
  const int32_t shared = context_.hover.MainHover;
  if (shared == kMainTab) return EnterPage(kMainPage);
  if (shared == kAdvancedTab) return EnterPage(kAdvancedPage);

  const int32_t code = context_.hover.ColorHover;
  if (InRange(code, 0, kLedModes)) {
    context_.profile.SetLedMode(code);
  } else if (code == kNoElement && shared == kNoElement) {
    DragWindow(x, y);
  }
}

void ClickDispatch::EnterPage(SkinPage page) {
  DriverFlags& flags = context_.flags;
  WindowHost& window = mainWindow_.Host();
  AppContext& context = context_;
  // The preview threads see the new page first, so that one still running
  // for the page left ends at its next look.
  const uint8_t left = flags.CurrentPage.exchange(page);
  if (left == kAdvancedPage) macroPage_.DestroyControls();

  switch (page) {
    case kMainPage:
      // A blink thread that has not yet seen the page change goes on; a new
      // one starts only when it has ended.
      if (!flags.BlinkThreadRunning.exchange(true))
        context.platform.threads.Start([&context] { RunBlinkThread(context); }, ThreadPriority::Normal);
      window.Invalidate(true);
      break;
    case kAdvancedPage:
      window.InvalidateRegion(context.shape.MainRegionRectangles, true);
      // Where the skin of the language in use puts them now.
      macroPage_.CreateControls(context.skin.ControlRects);
      window.UpdateNow();
      macroPage_.RefreshMacroList();
      window.UpdateNow();
      break;
    case kColorPage:
      if (!flags.LedPreviewRunning.exchange(true)) {
        context.platform.threads.Start(
            [&context] {
              LedPreviewThread(context.flags, context.profile, context.platform.clock,
                               [&context] { context.RepaintMainWindow(); })
                  .Run();
            },
            ThreadPriority::Normal);
      }
      window.Invalidate(true);
      break;
  }
}

void ClickDispatch::OpenAssignMenu(int32_t code) {
  assignTarget_ = code;
  const SkinItem& element = context_.skin.MainItems[static_cast<std::size_t>(code)];
  const fw::Rect window = mainWindow_.Host().ScreenRect();
  // The menu opens just below the element.
  popupOrigin_ = {window.left + element.x, window.top + element.y + element.height};
}

void ClickDispatch::DragWindow(int x, int y) {
  mainWindow_.Host().Post(fw::msg::kNcLButtonDown, fw::kHtCaption, fw::PackPoint(x, y));
}

void ClickDispatch::Repaint() { mainWindow_.Host().Invalidate(true); }

}  // namespace tx80
