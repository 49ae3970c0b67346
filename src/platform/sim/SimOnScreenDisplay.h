#pragma once
#include <string>
#include <thread>
#include <vector>

#include "platform/OnScreenDisplay.h"

namespace tx80 {

// Records what it was asked to show, and on which thread.
class SimOnScreenDisplay final : public OnScreenDisplay {
 public:
  static constexpr fw::Rect kWorkArea{0, 0, 1920, 1040};
  static constexpr int kCharacterWidth = 12;

  // The foreground window's monitor: the primary one unless a test moves it.
  fw::Rect WorkArea() override { return foregroundWorkArea; }
  // Every character as wide as kCharacterWidth, the font's height high.
  fw::Size TextSize(std::u16string_view text, const fw::FontSpec& font) override;
  void Show(const OnScreenText& text) override;

  struct Shown {
    OnScreenText text;
    std::thread::id thread;
  };
  const std::vector<Shown>& ShownTexts() const { return shown_; }
  std::vector<std::u16string> Texts() const;

  fw::Rect foregroundWorkArea = kWorkArea;

 private:
  std::vector<Shown> shown_;
};

}  // namespace tx80
