#include "ui/OnScreenNotice.h"

#include "framework/Decimal.h"
#include "framework/MainWindowRef.h"
#include "platform/OnScreenDisplay.h"

namespace tx80 {

namespace {

// Large enough to read at a glance during a game; a face with Latin and
// Chinese letters.
constexpr fw::FontSpec kFont{.height = -32, .weight = 700, .charSet = 1, .quality = 4, .face = u"Microsoft YaHei"};
constexpr fw::Rgb kText{255, 255, 255};
constexpr fw::Rgb kBackground{0, 120, 153};
constexpr uint8_t kOpacity = 220;
constexpr int kShownMs = 1000;
// A sentence, not a figure: smaller, and time to read it.
constexpr fw::FontSpec kSentenceFont{.height = -22, .weight = 700, .charSet = 1, .quality = 4, .face = u"Microsoft YaHei"};
constexpr int kSentenceShownMs = 5000;
constexpr int kPaddingX = 24;
constexpr int kPaddingY = 10;

}  // namespace

void PostOnScreenNotice(MainWindowRef& mainWindow, OnScreenNotice notice) {
  mainWindow.Post(kOnScreenNoticeMessage, static_cast<uintptr_t>(notice.kind), notice.value);
}

std::optional<OnScreenNotice> DecodeOnScreenNotice(const fw::Message& message) {
  if (message.id != kOnScreenNoticeMessage || message.wParam > static_cast<uintptr_t>(OnScreenNotice::Kind::LedOn))
    return std::nullopt;
  return OnScreenNotice{static_cast<OnScreenNotice::Kind>(message.wParam), static_cast<int32_t>(message.lParam)};
}

std::u16string ProfileLabel(int32_t profile, int32_t languageFlag) {
  return (languageFlag ? u"Profile " : u"配置 ") + FormatDecimal(profile);
}

std::u16string OnScreenNoticeText(OnScreenNotice notice, int32_t languageFlag) {
  const bool english = languageFlag != 0;
  switch (notice.kind) {
    case OnScreenNotice::Kind::Dpi:
      return u"DPI " + FormatDecimal(notice.value);
    case OnScreenNotice::Kind::Profile:
      return ProfileLabel(notice.value, languageFlag);
    case OnScreenNotice::Kind::LedOff:
      return english ? u"LED off" : u"灯光 关";
    case OnScreenNotice::Kind::LedOn:
      return english ? u"LED on" : u"灯光 开";
  }
  return {};
}

std::u16string ElevatedTargetText(const std::u16string& program, int32_t languageFlag) {
  if (languageFlag != 0)
    return (program.empty() ? u"The program in front" : program) +
           u" runs as administrator: start TX80 as administrator to use macros there";
  return (program.empty() ? u"前台程序" : program) + u" 以管理员身份运行：请以管理员身份启动 TX80，才能在其中使用宏";
}

fw::Rect OnScreenNoticeRect(const fw::Rect& workArea, fw::Size textSize) {
  const int width = textSize.cx + 2 * kPaddingX;
  const int height = textSize.cy + 2 * kPaddingY;
  const int left = workArea.left + (workArea.Width() - width) / 2;
  // A tenth of the screen above the taskbar: out of the way of a game's own
  // bar at the very bottom, still where the eye does not rest.
  const int bottom = workArea.bottom - workArea.Height() / 10;
  return {left, bottom - height, left + width, bottom};
}

namespace {

void ShowText(OnScreenDisplay& display, const std::u16string& text, const fw::FontSpec& font, int durationMs) {
  display.Show({.text = text,
                .rect = OnScreenNoticeRect(display.WorkArea(), display.TextSize(text, font)),
                .font = font,
                .textColour = kText,
                .background = kBackground,
                .opacity = kOpacity,
                .durationMs = durationMs});
}

}  // namespace

void ShowOnScreenNotice(OnScreenDisplay& display, OnScreenNotice notice, int32_t languageFlag) {
  ShowText(display, OnScreenNoticeText(notice, languageFlag), kFont, kShownMs);
}

void ShowElevatedTargetNotice(OnScreenDisplay& display, const std::u16string& program, int32_t languageFlag) {
  ShowText(display, ElevatedTargetText(program, languageFlag), kSentenceFont, kSentenceShownMs);
}

}  // namespace tx80
