#pragma once
#include "platform/InputInjector.h"

namespace tx80 {

class Win32InputInjector final : public InputInjector {
 public:
  void KeyEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) override;
  void MouseButtonEvent(uint32_t flags) override;
  uint8_t ScanCode(uint8_t virtualKey) override;
  bool ButtonsSwapped() override;
  std::optional<InputTarget> ForegroundTarget() override;
  Elevation OwnElevation() override;
};

}  // namespace tx80
