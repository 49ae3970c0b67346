#include "ui/PagePainter.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <span>
#include <string_view>

#include "device/DriverFlags.h"
#include "framework/Decimal.h"
#include "macro/MacroStore.h"
#include "profile/ProfileModel.h"
#include "ui/Fonts.h"
#include "ui/PageTexts.h"
#include "ui/SkinElements.h"
#include "ui/SkinImages.h"
#include "ui/SkinPictureCache.h"

namespace tx80 {

namespace {

constexpr fw::Rgb kWhite{255, 255, 255};
constexpr fw::Rgb kYellow{255, 255, 0};
constexpr fw::Rgb kGreen{0, 255, 0};
constexpr fw::Rgb kRed{255, 0, 0};
constexpr fw::Rgb kGrey{128, 128, 128};
constexpr fw::Rgb kBlack{0, 0, 0};

constexpr int kButtonTextIndent = 5;

// Texts of the shared elements come first in every page's numbering; the
// page's own elements follow them on the other two pages.
constexpr int kFirstPageText = main_element::kLastShared + 1;
// The main page draws the texts of its elements up to its last level label.
constexpr int kMainTexts = main_element::kFirstLevelLabel + kDpiLevelCount;

struct PageLook {
  std::string_view normal;
  std::string_view over;
  std::string_view down;
  int tab;        // the page's tab among the shared elements, drawn pressed
  int textCount;  // texts drawn: see DrawTexts
};

constexpr PageLook kMainLook{skin_image::kMainNormal, skin_image::kMainOver, skin_image::kMainDown,
                             main_element::kMainTab, kMainTexts};
constexpr PageLook kAdvancedLook{skin_image::kAdvancedNormal, skin_image::kAdvancedOver, skin_image::kAdvancedDown,
                                 main_element::kAdvancedTab, kFirstPageText + int{kAdvancedItemCount}};
constexpr PageLook kColorLook{skin_image::kColorNormal, skin_image::kColorOver, skin_image::kColorDown,
                              main_element::kColorTab, kFirstPageText + int{kColorItemCount}};

int ClampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX)); }

// The element's rectangle; the numbers come from a skin file, so the far edges
// are computed without overflow.
fw::Rect RectOf(const SkinItem& item, int64_t width) {
  return {item.x, item.y, ClampToInt(int64_t{item.x} + width), ClampToInt(int64_t{item.y} + item.height)};
}

// The state one paint shows, read once at its start, so that every part of
// the page agrees (the flashing start slot and the status line, for one)
// while other threads change it.
struct Frame {
  Page page = Page::Main;
  ProfileState profile;
  HoverState hover;
  bool mouseConnected = true;
  bool driverActive = true;
  int32_t startKeySlot = 0;
  bool startKeyBlink = false;
  bool ledPreviewDark = false;
  int32_t ledPreviewIndex = 0;
};

Frame ReadFrame(const PageSources& sources) {
  const DriverFlags& flags = sources.flags;
  Frame frame;
  frame.page = sources.page;
  frame.profile = sources.profile.Snapshot();
  frame.hover = sources.hover;
  frame.mouseConnected = sources.mouseConnected;
  frame.driverActive = flags.DriverActive;
  frame.startKeySlot = flags.StartKeySlot;
  frame.startKeyBlink = flags.StartKeyBlink;
  frame.ledPreviewDark = flags.LedPreviewDark;
  frame.ledPreviewIndex = flags.LedPreviewIndex;
  return frame;
}

class PagePaint {
 public:
  PagePaint(fw::Canvas& canvas, SkinPictureCache& pictures, const PageSources& sources)
      : canvas_(canvas), pictures_(pictures), sources_(sources), skin_(sources.skin), frame_(ReadFrame(sources)) {}

  void Paint() {
    const PageLook& look = frame_.page == Page::Advanced ? kAdvancedLook
                           : frame_.page == Page::Color  ? kColorLook
                                                         : kMainLook;
    const fw::Image* normal = Picture(look.normal);
    // Without its picture (or with one too small) the page is black, so the
    // texts stay readable and nothing of an earlier paint shows through.
    if (!normal || normal->Width() < canvas_.Width() || normal->Height() < canvas_.Height())
      canvas_.FillRect({0, 0, canvas_.Width(), canvas_.Height()}, kBlack);
    if (normal) canvas_.DrawImage(*normal, {0, 0, normal->Width(), normal->Height()}, {0, 0});
    const fw::Image* over = Picture(look.over);
    const fw::Image* down = Picture(look.down);

    if (frame_.page == Page::Advanced) DrawPageState(over, down, skin_.AdvancedItems, frame_.hover.AdvancedHover);
    else if (frame_.page == Page::Color) DrawPageState(over, down, skin_.ColorItems, frame_.hover.ColorHover);
    else DrawPageState(over, down, skin_.MainItems, frame_.hover.MainHover);
    DrawSharedElements(over, down, look.tab);
    DrawTexts(look.textCount);
  }

 private:
  const fw::Image* Picture(std::string_view name) { return pictures_.Get(sources_.skinsDirectory, name); }

  // Copies element `index` of `table` from the picture to the same place on
  // the canvas, `width` pixels of it from its left edge (all of it by
  // default). An index outside the table, an empty element or a missing
  // picture copies nothing.
  void Copy(const fw::Image* picture, std::span<const SkinItem> table, int index, int64_t width = -1) {
    if (!picture || index < 0 || index >= static_cast<int>(table.size())) return;
    const SkinItem& item = table[static_cast<std::size_t>(index)];
    const fw::Rect rect = RectOf(item, width < 0 ? item.width : width);
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    canvas_.DrawImage(*picture, rect, {rect.left, rect.top});
  }

  void DrawPageState(const fw::Image* over, const fw::Image* down, std::span<const SkinItem> table, int32_t hover) {
    if (hover != kNoElement) Copy(frame_.hover.ButtonHeld ? down : over, table, hover);
    if (frame_.page == Page::Advanced) DrawAdvancedState(down);
    else if (frame_.page == Page::Color) DrawColorState(over, down);
    else DrawMainState(over, down);
  }

  void DrawMainState(const fw::Image* over, const fw::Image* down) {
    const ProfileFields& f = frame_.profile.fields;
    const auto& items = skin_.MainItems;
    if (f.DPI_LEVEL >= 0 && f.DPI_LEVEL < kDpiLevelCount) Copy(down, items, main_element::kFirstLevelMark + f.DPI_LEVEL);

    const fw::Image* knob = Picture(skin_image::kDpiSlider);
    for (int j = 0; j < kDpiLevelCount; ++j) {
      // The knob sits only on one of the level's own five steps; a step code
      // out of range (a hand-edited config.ini) shows no knob.
      const int32_t region = frame_.profile.DpiStepRegion[static_cast<std::size_t>(j)];
      const int32_t firstStep = main_element::kFirstDpiStep + kDpiStepCount * j;
      if (knob && region >= firstStep && region < firstStep + kDpiStepCount) {
        const SkinItem& step = items[static_cast<std::size_t>(region)];
        if (step.width > 0 && step.height > 0) canvas_.DrawImage(*knob, {0, 0, step.width, step.height}, {step.x, step.y});
      }
      if (f.DPI_SET_EN[static_cast<std::size_t>(j)] == 1) Copy(down, items, main_element::kFirstLevelBox + j);
    }

    Copy(down, items, f.WHEEL_STATUS == 0 ? main_element::kWheelStandard : main_element::kWheelReversed);

    const int32_t hover = frame_.hover.MainHover;
    // The button under the pointer, or the slot to click, is shown on the picture of the mouse.
    if (main_element::IsButton(hover)) {
      Copy(over, items, main_element::kFirstMouseButton + main_element::SlotOfButton(hover) - 1);
    } else if (!frame_.driverActive && frame_.startKeySlot >= 1 && frame_.startKeySlot <= kButtonSlotCount) {
      // The slot to click flashes: the blink thread flips StartKeyBlink and repaints.
      Copy(frame_.startKeyBlink ? over : down, items, main_element::kFirstMouseButton + frame_.startKeySlot - 1);
    }
  }

  void DrawAdvancedState(const fw::Image* down) {
    const ProfileFields& f = frame_.profile.fields;
    const auto& items = skin_.AdvancedItems;
    if (sources_.recording) Copy(down, items, advanced_element::kRecord);
    if (f.DPI_SPEED < advanced_element::kSettingChoices) Copy(down, items, advanced_element::kFirstPointerSpeed + f.DPI_SPEED);
    if (f.WHEEL_SPEED < advanced_element::kSettingChoices)
      Copy(down, items, advanced_element::kFirstScrollLines + f.WHEEL_SPEED);

    // The bar's filled part, in unsigned arithmetic with the quotient
    // truncated; a fire time outside 0..300 (a hand-edited config.ini) fills
    // the bar no further than its ends.
    const SkinItem& bar = items[advanced_element::kFireTimeBar];
    if (bar.width > 0) {
      const auto fireTime = static_cast<uint32_t>(std::clamp(f.FIRE_TIME, 0, kMaxFireTime));
      const uint32_t filled = fireTime * static_cast<uint32_t>(bar.width) / static_cast<uint32_t>(kMaxFireTime);
      Copy(down, items, advanced_element::kFireTimeBar, std::min<int64_t>(filled, bar.width));
    }

    if (f.MACRO_MODE2 != 0) Copy(down, items, advanced_element::kMacroMode);
    const auto macro = sources_.macros.Copy(sources_.macros.CurrentMacro());
    if (macro && macro->RepeatMode() == 1) Copy(down, items, advanced_element::kRepeatMode);
  }

  void DrawColorState(const fw::Image* over, const fw::Image* down) {
    const auto& items = skin_.ColorItems;
    const uint8_t mode = frame_.profile.fields.LED_STATUS;
    if (mode < color_element::kLedModes) Copy(down, items, color_element::kFirstLedMode + mode);

    // The preview cycles through the colours of the levels, dark in between;
    // index 1 is the normal (pink) picture itself.
    if (frame_.ledPreviewDark) {
      Copy(Picture(skin_image::kColorGray), items, color_element::kLedPreview);
    } else if (frame_.ledPreviewIndex == 0) {
      Copy(Picture(skin_image::kColorBlue), items, color_element::kLedPreview);
    } else if (frame_.ledPreviewIndex == 2) {
      Copy(over, items, color_element::kLedPreview);
    } else if (frame_.ledPreviewIndex == 3) {
      Copy(down, items, color_element::kLedPreview);
    }
  }

  // Main elements 0..19 on every page: the current profile, the hovered
  // element, the page's tab and the language in use; the first rule that
  // applies picks the picture.
  void DrawSharedElements(const fw::Image* over, const fw::Image* down, int tab) {
    const int32_t curConfig = frame_.profile.CurConfig;
    const int32_t language = frame_.profile.LanguageFlag;
    for (int i = 0; i <= main_element::kLastShared; ++i) {
      // Only profiles 1..5 have an element; a CurConfig of 0 (no settings
      // file) presses none.
      if (IsProfile(curConfig) && i == main_element::kFirstProfile + curConfig - 1) Copy(down, skin_.MainItems, i);
      else if (i == frame_.hover.MainHover) Copy(frame_.hover.ButtonHeld ? down : over, skin_.MainItems, i);
      else if (i == tab) Copy(down, skin_.MainItems, i);
      else if ((i == main_element::kChinese && language == 0) || (i == main_element::kEnglish && language == 1))
        Copy(down, skin_.MainItems, i);
    }
  }

  // Texts 0..count - 1: main elements 0..53 on the main page; on the other
  // pages main elements 0..19, then the page's own elements from index 20.
  void DrawTexts(int count) {
    const int32_t language = frame_.profile.LanguageFlag;
    const ProfileFields& f = frame_.profile.fields;
    const std::u16string statusLine =
        frame_.mouseConnected ? StatusLine(language, frame_.driverActive, frame_.startKeySlot, frame_.startKeyBlink)
                              : PlugInMessage(language);

    for (int i = 0; i < count; ++i) {
      const bool pageText = frame_.page != Page::Main && i >= kFirstPageText;
      const SkinItem& main = skin_.MainItems[static_cast<std::size_t>(pageText ? 0 : i)];
      const fw::Rgb colour = i == main_element::kStatusLine ? kYellow : kWhite;

      if (frame_.page == Page::Advanced && pageText) {
        const int k = i - kFirstPageText;
        const SkinItem& item = skin_.AdvancedItems[static_cast<std::size_t>(k)];
        Centred(item, AdvancedText(k, item), k == frame_.hover.AdvancedHover ? kRed : kWhite, MainFont(language));
      } else if (frame_.page == Page::Color && pageText) {
        const int k = i - kFirstPageText;
        const SkinItem& item = skin_.ColorItems[static_cast<std::size_t>(k)];
        Centred(item, k == color_element::kResolution ? ResolutionText() : item.text, kWhite, MainFont(language));
      } else if (frame_.page == Page::Main && main_element::IsButton(i)) {
        const int32_t code = f.K[static_cast<std::size_t>(main_element::SlotOfButton(i) - 1)];
        LeftAligned(main, FunctionDisplayName(code, skin_.FunctionNames, sources_.macros),
                    i == frame_.hover.MainHover ? kGreen : kWhite, MainFont(language));
      } else if (frame_.page == Page::Main && i >= main_element::kFirstLevelLabel &&
                 i < main_element::kFirstLevelLabel + kDpiLevelCount) {
        const bool enabled = f.DPI_SET_EN[static_cast<std::size_t>(i - main_element::kFirstLevelLabel)] == 1;
        Centred(main, main.text, enabled ? kRed : kGrey, language ? SmallFontEn : MainFontCn);
      } else {
        Centred(main, i == main_element::kStatusLine ? statusLine : main.text, colour, MainFont(language));
      }
    }
  }

  // Advanced element k's text; four of them show live values.
  std::u16string AdvancedText(int k, const SkinItem& item) const {
    switch (k) {
      case advanced_element::kRecord: return RecordText(frame_.profile.LanguageFlag, sources_.recording);
      case advanced_element::kDownCounter: return sources_.counters.DownText();
      case advanced_element::kUpCounter: return sources_.counters.UpText();
      case advanced_element::kFireTimeValue: return FireTimeText(frame_.profile.fields.FIRE_TIME);
      default: return item.text;
    }
  }

  // The resolution of the level in use as the mouse has it; a level index out
  // of range is taken as an unknown step.
  std::u16string ResolutionText() const {
    const int32_t level = frame_.profile.fields.DPI_LEVEL;
    const int32_t step =
        level >= 0 && level < kDpiLevelCount ? frame_.profile.ActiveDpiSet[static_cast<std::size_t>(level)] : -1;
    return FormatDecimal(StepResolution(step));
  }

  // Centred in the element, each quotient truncated toward zero.
  void Centred(const SkinItem& item, std::u16string_view text, fw::Rgb colour, const fw::FontSpec& font) {
    if (text.empty()) return;
    Select(font);
    const fw::Size extent = canvas_.TextExtent(text);
    canvas_.Text(ClampToInt(item.x + (int64_t{item.width} - extent.cx) / 2),
                 ClampToInt(item.y + (int64_t{item.height} - extent.cy) / 2), text, colour);
  }

  // From 5 pixels right of the element's left edge, centred vertically.
  void LeftAligned(const SkinItem& item, std::u16string_view text, fw::Rgb colour, const fw::FontSpec& font) {
    if (text.empty()) return;
    Select(font);
    const fw::Size extent = canvas_.TextExtent(text);
    canvas_.Text(ClampToInt(int64_t{item.x} + kButtonTextIndent),
                 ClampToInt(item.y + (int64_t{item.height} - extent.cy) / 2), text, colour);
  }

  void Select(const fw::FontSpec& font) {
    if (selected_ == &font) return;
    canvas_.SelectFont(font);
    selected_ = &font;
  }

  fw::Canvas& canvas_;
  SkinPictureCache& pictures_;
  const PageSources& sources_;
  const SkinTables& skin_;
  const Frame frame_;
  const fw::FontSpec* selected_ = nullptr;
};

}  // namespace

void PaintPage(fw::Canvas& canvas, SkinPictureCache& pictures, const PageSources& sources, bool minimized) {
  if (minimized) {
    const fw::Size icon = canvas.ProgramIconSize();
    canvas.DrawProgramIcon({(canvas.Width() - icon.cx + 1) / 2, (canvas.Height() - icon.cy + 1) / 2});
    return;
  }
  PagePaint(canvas, pictures, sources).Paint();
}

}  // namespace tx80
