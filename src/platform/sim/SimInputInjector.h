#pragma once
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/Clock.h"
#include "platform/InputInjector.h"

namespace tx80 {

// One synthesised input event as the simulated system received it.
struct InjectedInput {
  enum class Kind { Key, MouseButton };
  Kind kind = Kind::Key;
  uint8_t virtualKey = 0;  // keys only
  uint8_t scanCode = 0;    // keys only
  uint32_t flags = 0;      // kKeyEvent* or kMouse* flags
  int64_t timeMs = 0;      // on the injector's clock, since its time 0

  bool operator==(const InjectedInput&) const = default;
};

// The keyboard layouts the simulated foreground window may use.
enum class SimKeyboardLayout { Us, German };

// Records every injected key and mouse button event with the time it arrived.
// Safe to call from any thread. Scan codes follow the foreground window's
// layout (US unless set) for the common keys and are 0 for keys it does not
// know, as the system reports for keys without one (under Wine the media
// keys).
class SimInputInjector : public InputInjector {
 public:
  explicit SimInputInjector(Clock& clock);

  // The layout of the foreground window's thread: German swaps Y and Z.
  void SetLayout(SimKeyboardLayout layout);
  void SetButtonsSwapped(bool swapped);
  // The program in front (none unless set) and this program's own token.
  void SetForegroundTarget(std::optional<InputTarget> target);
  void SetOwnElevation(Elevation elevation);

  void KeyEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) override;
  void MouseButtonEvent(uint32_t flags) override;
  uint8_t ScanCode(uint8_t virtualKey) override;
  bool ButtonsSwapped() override;
  std::optional<InputTarget> ForegroundTarget() override;
  Elevation OwnElevation() override;

  std::vector<InjectedInput> Events() const;
  void Clear();

 private:
  void Record(InjectedInput input);

  Clock& clock_;
  mutable std::mutex mutex_;
  std::vector<InjectedInput> events_;
  SimKeyboardLayout layout_ = SimKeyboardLayout::Us;
  bool buttonsSwapped_ = false;
  std::optional<InputTarget> foregroundTarget_;
  Elevation ownElevation_ = Elevation::NotElevated;
};

}  // namespace tx80
