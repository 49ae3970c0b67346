#include "platform/sim/SimDriverSeams.h"

#include "platform/WindowHost.h"

namespace tx80 {

std::optional<std::u16string> SimAutoStart::Read(std::u16string_view name) {
  const auto entry = entries.find(name);
  if (entry == entries.end()) return std::nullopt;
  return entry->second;
}

bool SimAutoStart::Write(std::u16string_view name, std::u16string_view commandLine) {
  if (writesFail) return false;
  ++writes;
  entries[std::u16string(name)] = commandLine;
  return true;
}

bool SimAutoStart::Remove(std::u16string_view name) {
  if (writesFail) return false;
  if (const auto entry = entries.find(name); entry != entries.end()) entries.erase(entry);
  return true;
}

fw::Size SimOnScreenDisplay::TextSize(std::u16string_view text, const fw::FontSpec& font) {
  return {static_cast<int>(text.size()) * kCharacterWidth, font.height < 0 ? -font.height : font.height};
}

void SimOnScreenDisplay::Show(const OnScreenText& text) { shown_.push_back({text, std::this_thread::get_id()}); }

std::vector<std::u16string> SimOnScreenDisplay::Texts() const {
  std::vector<std::u16string> texts;
  for (const auto& shown : shown_) texts.push_back(shown.text.text);
  return texts;
}

void SimForegroundWatch::Watch(WindowHost& window, uint32_t message) {
  window_ = &window;
  message_ = message;
}

void SimForegroundWatch::BringToFront(std::u16string_view program) {
  program_ = program;
  if (window_) window_->Post(message_, 0, 0);
}

}  // namespace tx80
