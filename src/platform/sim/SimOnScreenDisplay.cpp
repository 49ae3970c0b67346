#include "platform/sim/SimOnScreenDisplay.h"

namespace tx80 {

fw::Size SimOnScreenDisplay::TextSize(std::u16string_view text, const fw::FontSpec& font) {
  return {static_cast<int>(text.size()) * kCharacterWidth, font.height < 0 ? -font.height : font.height};
}

void SimOnScreenDisplay::Show(const OnScreenText& text) { shown_.push_back({text, std::this_thread::get_id()}); }

std::vector<std::u16string> SimOnScreenDisplay::Texts() const {
  std::vector<std::u16string> texts;
  for (const auto& shown : shown_) texts.push_back(shown.text.text);
  return texts;
}

}  // namespace tx80
