#include "ui/ClickDispatch.h"

#include "app/AppContext.h"
#include "framework/Dialog.h"
#include "framework/Message.h"
#include "functions/BlinkThread.h"
#include "functions/LedPreviewThread.h"
#include "macro/MacroPage.h"
#include "platform/WindowHost.h"
#include "ui/AssignMenu.h"
#include "ui/SkinElements.h"

namespace tx80 {

namespace {

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
  // A press anywhere on the main page closes an open assignment list first.
  CloseAssignMenu(context_.assignMenu);
  ProfileModel& profile = context_.profile;
  using namespace main_element;
  const int32_t code = context_.hover.MainHover;
  if (code == kAdvancedTab) {
    EnterPage(kAdvancedPage);
  } else if (code == kColorTab) {
    EnterPage(kColorPage);
  } else if (IsButton(code)) {
    OpenAssignMenu(context_, mainWindow_.Host(), code);
  } else if (code == kWheelStandard || code == kWheelReversed) {
    profile.SetWheelStatus(code - kWheelStandard);
  } else if (InRange(code, kFirstLevelBox, kDpiLevelCount)) {
    profile.ToggleDpiLevel(code - kFirstLevelBox);
  } else if (InRange(code, kFirstLevelSelect, kDpiLevelCount)) {
    profile.SelectDpiLevel(code - kFirstLevelSelect);
  } else if (InRange(code, kFirstDpiStep, kDpiLevelCount * kDpiStepCount)) {
    const int step = code - kFirstDpiStep;
    profile.ChooseDpiStep(step / kDpiStepCount, step % kDpiStepCount);
  } else if (code == kNoElement) {
    DragWindow(x, y);
  }
}

void ClickDispatch::PressOnAdvancedPage(int x, int y) {
  ProfileModel& profile = context_.profile;
  using namespace advanced_element;
  const int32_t shared = context_.hover.MainHover;
  if (shared == main_element::kMainTab) return EnterPage(kMainPage);
  if (shared == main_element::kColorTab) return EnterPage(kColorPage);

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
  if (shared == main_element::kMainTab) return EnterPage(kMainPage);
  if (shared == main_element::kAdvancedTab) return EnterPage(kAdvancedPage);

  const int32_t code = context_.hover.ColorHover;
  if (InRange(code, color_element::kFirstLedMode, color_element::kLedModes)) {
    context_.profile.SetLedMode(code - color_element::kFirstLedMode);
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

void ClickDispatch::DragWindow(int x, int y) {
  mainWindow_.Host().Post(fw::msg::kNcLButtonDown, fw::kHtCaption, fw::PackPoint(x, y));
}

void ClickDispatch::Repaint() { mainWindow_.Host().Invalidate(true); }

}  // namespace tx80
