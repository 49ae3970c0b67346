#pragma once
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/AutoStart.h"
#include "platform/ForegroundWatch.h"
#include "platform/OnScreenDisplay.h"

namespace tx80 {

// The sign-in start list as an in-memory registry key.
class SimAutoStart final : public AutoStart {
 public:
  std::optional<std::u16string> Read(std::u16string_view name) override;
  bool Write(std::u16string_view name, std::u16string_view commandLine) override;
  bool Remove(std::u16string_view name) override;

  std::map<std::u16string, std::u16string, std::less<>> entries;
  int writes = 0;
  bool writesFail = false;
};

// Records what it was asked to show, and on which thread.
class SimOnScreenDisplay final : public OnScreenDisplay {
 public:
  static constexpr fw::Rect kWorkArea{0, 0, 1920, 1040};
  static constexpr int kCharacterWidth = 12;

  fw::Rect WorkArea() override { return kWorkArea; }
  // Every character as wide as kCharacterWidth, the font's height high.
  fw::Size TextSize(std::u16string_view text, const fw::FontSpec& font) override;
  void Show(const OnScreenText& text) override;

  struct Shown {
    OnScreenText text;
    std::thread::id thread;
  };
  const std::vector<Shown>& ShownTexts() const { return shown_; }
  std::vector<std::u16string> Texts() const;

 private:
  std::vector<Shown> shown_;
};

// The foreground program is the one a test brings to the front.
class SimForegroundWatch final : public ForegroundWatch {
 public:
  void Watch(WindowHost& window, uint32_t message) override;
  std::u16string ForegroundProgram() override { return program_; }

  // The user switches to `program` (empty: no program's window in front): the
  // watching window is told, like the system's event.
  void BringToFront(std::u16string_view program);
  bool Watching() const { return window_ != nullptr; }

 private:
  WindowHost* window_ = nullptr;
  uint32_t message_ = 0;
  std::u16string program_;
};

}  // namespace tx80
