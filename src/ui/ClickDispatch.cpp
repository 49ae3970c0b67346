#include "ui/ClickDispatch.h"

#include <utility>

#include "device/DriverState.h"
#include "framework/Dialog.h"
#include "framework/MainWindowRef.h"
#include "framework/Message.h"
#include "functions/LedPreviewThread.h"
#include "macro/MacroPage.h"
#include "platform/Threads.h"
#include "platform/WindowHost.h"
#include "profile/ProfileActions.h"
#include "ui/MainWindowState.h"
#include "ui/SkinElements.h"

namespace tx80 {

namespace {

bool InRange(int32_t code, int32_t first, int count) { return code >= first && code < first + count; }

}  // namespace

void ClickDispatch::MainClickPress(int x, int y) {
  HoverState& hover = uses_.ui.hover;
  // Any element under the pointer, of whatever page, is drawn pressed until
  // the release.
  if (hover.MainHover != kNoElement || hover.ColorHover != kNoElement || hover.AdvancedHover != kNoElement) {
    hover.ButtonHeld = true;
    Repaint();
  }
  switch (uses_.ui.CurrentPage.load()) {
    case Page::Main:
      PressOnMainPage(x, y);
      break;
    case Page::Advanced:
      PressOnAdvancedPage(x, y);
      break;
    case Page::Color:
      PressOnColorPage(x, y);
      break;
  }
}

void ClickDispatch::MainClickRelease(int x, int y) {
  HoverState& hover = uses_.ui.hover;
  hover.ButtonHeld = false;
  Repaint();
  ProfileActions& profiles = uses_.profileActions;
  using namespace main_element;
  const int32_t code = hover.MainHover;
  switch (code) {
    case kClose:
      // The window goes: its element is not drawn hovered when it comes back.
      hover.MainHover = kNoElement;
      profiles.RevertToActive();
      return uses_.hideToTray();
    case kApply:
      return ApplyProfile(uses_.apply);
    case kMinimise:
      hover.MainHover = kNoElement;
      return uses_.mainWindow.Host().Post(fw::msg::kSysCommand, fw::kScMinimize, fw::PackPoint(x, y));
    case kTray:
      hover.MainHover = kNoElement;
      return uses_.hideToTray();
    case kImport:
      return profiles.ImportProfile();
    case kExport:
      return profiles.ExportProfile();
    case kReset:
      return profiles.ResetProfiles();
    case kChinese:
      return uses_.switchLanguage(0);
    case kEnglish:
      return uses_.switchLanguage(1);
    case kUserGuide:
      return profiles.OpenUserGuide();
    default:
      if (code >= kFirstProfile && code < kFirstProfile + kProfileCount) profiles.SelectProfile(code - kFirstProfile + 1);
      break;
  }
}

void ClickDispatch::PressOnMainPage(int x, int y) {
  // A press anywhere on the main page closes an open assignment list first.
  CloseAssignMenu(uses_.ui.assignList);
  ProfileModel& profile = uses_.profile;
  using namespace main_element;
  const int32_t code = uses_.ui.hover.MainHover;
  if (code == kAdvancedTab) {
    EnterPage(Page::Advanced);
  } else if (code == kColorTab) {
    EnterPage(Page::Color);
  } else if (IsButton(code)) {
    OpenAssignMenu(uses_.assignLists, uses_.mainWindow.Host(), code);
    // The release goes to the list, or the warning took it.
    EndPress();
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
  ProfileModel& profile = uses_.profile;
  MacroPage& macroPage = uses_.macroPage;
  using namespace advanced_element;
  const int32_t shared = uses_.ui.hover.MainHover;
  if (shared == main_element::kMainTab) return EnterPage(Page::Main);
  if (shared == main_element::kColorTab) return EnterPage(Page::Color);

  const int32_t code = uses_.ui.hover.AdvancedHover;
  switch (code) {
    case kImportMacros:
      return macroPage.ImportMacros();
    case kExportMacros:
      return macroPage.ExportMacros();
    case kNewMacro:
      return macroPage.NewMacro();
    case kDeleteMacro:
      return macroPage.DeleteMacro();
    case kRecord:
      return macroPage.ToggleRecording();
    case kSaveMacros:
      return macroPage.SaveMacros();
    case kRepeatMode:
      return macroPage.ToggleRepeatMode();
    case kMacroMode:
      return profile.ToggleMacroMode();
    case kFireTimeBar: {
      const SkinItem& bar = uses_.ui.skin.AdvancedItems[kFireTimeBar];
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
  const int32_t shared = uses_.ui.hover.MainHover;
  if (shared == main_element::kMainTab) return EnterPage(Page::Main);
  if (shared == main_element::kAdvancedTab) return EnterPage(Page::Advanced);

  const int32_t code = uses_.ui.hover.ColorHover;
  if (InRange(code, color_element::kFirstLedMode, color_element::kLedModes)) {
    uses_.profile.SetLedMode(code - color_element::kFirstLedMode);
  } else if (code == kNoElement && shared == kNoElement) {
    DragWindow(x, y);
  }
}

void ClickDispatch::EnterPage(Page page) {
  MainWindowState& ui = uses_.ui;
  WindowHost& window = uses_.mainWindow.Host();
  // The preview threads see the new page first, so that one still running
  // for the page left ends at its next look.
  const Page left = ui.CurrentPage.exchange(page);
  if (left == Page::Advanced) uses_.macroPage.DestroyControls();

  switch (page) {
    case Page::Main:
      // A blink thread that has not yet seen the page change goes on; a new
      // one starts only when it has ended.
      uses_.startBlinkThread();
      window.Invalidate(true);
      break;
    case Page::Advanced:
      window.InvalidateRegion(ui.shape.MainRegionRectangles, true);
      // Where the skin of the language in use puts them now.
      uses_.macroPage.CreateControls(ui.skin.ControlRects);
      window.UpdateNow();
      uses_.macroPage.RefreshMacroList();
      window.UpdateNow();
      break;
    case Page::Color:
      StartLedPreview();
      window.Invalidate(true);
      break;
  }
}

// One preview thread at a time: one that has not yet seen the page left and
// come back to goes on.
void ClickDispatch::StartLedPreview() {
  DriverFlags& flags = uses_.apply.driver.flags;
  if (flags.LedPreviewRunning.exchange(true)) return;
  const ProfileModel& profile = uses_.profile;
  Clock& clock = uses_.clock;
  MainWindowRef& mainWindow = uses_.assignLists.mainWindow;
  const std::atomic<Page>& page = uses_.ui.CurrentPage;
  uses_.threads.Start(
      [&flags, &profile, &clock, &mainWindow, &page] {
        LedPreviewThread(flags, profile, clock, [&mainWindow] { mainWindow.Invalidate(); },
                         [&page] { return page == Page::Color; })
            .Run();
      },
      ThreadPriority::Normal);
}

void ClickDispatch::DragWindow(int x, int y) {
  uses_.mainWindow.Host().Post(fw::msg::kNcLButtonDown, fw::kHtCaption, fw::PackPoint(x, y));
  // The system's move loop takes the release.
  EndPress();
}

void ClickDispatch::EndPress() {
  if (!std::exchange(uses_.ui.hover.ButtonHeld, false)) return;
  Repaint();
}

void ClickDispatch::Repaint() { uses_.mainWindow.Host().Invalidate(true); }

}  // namespace tx80
