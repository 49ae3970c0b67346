#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace tx80 {

// Key event flags, as the system's keyboard synthesis takes them.
inline constexpr uint32_t kKeyEventExtendedKey = 0x0001;
inline constexpr uint32_t kKeyEventKeyUp = 0x0002;

// Mouse button event flags, as the system's mouse synthesis takes them.
inline constexpr uint32_t kMouseLeftDown = 0x0002;
inline constexpr uint32_t kMouseLeftUp = 0x0004;
inline constexpr uint32_t kMouseRightDown = 0x0008;
inline constexpr uint32_t kMouseRightUp = 0x0010;
inline constexpr uint32_t kMouseMiddleDown = 0x0020;
inline constexpr uint32_t kMouseMiddleUp = 0x0040;

// What a process's access token says of it. Windows drops input injected into
// a process of higher integrity (one run as administrator) than the injecting
// one, without an error.
enum class Elevation : uint8_t { NotElevated, Elevated, Unreadable };

// The process of the window in front, which injected input reaches.
struct InputTarget {
  std::u16string imagePath;  // empty when the process cannot even be opened
  Elevation elevation = Elevation::NotElevated;
  bool operator==(const InputTarget&) const = default;
};

// Synthesised keyboard and mouse input, seen by whatever window has the focus,
// as the system's input synthesis (SendInput) makes it: one event at a time,
// queued after the user's own input, passed through the low-level hooks.
// Called from the UI thread (closing sequence) and the executor thread.
class InputInjector {
 public:
  virtual ~InputInjector() = default;
  // One key event: virtual-key code, hardware scan code, kKeyEvent* flags.
  virtual void KeyEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) = 0;
  // One mouse button event at the current position: kMouse* flags. The flags
  // name physical buttons: while the buttons are swapped the system delivers
  // an injected left button to windows as the right one, as it does a hand's.
  virtual void MouseButtonEvent(uint32_t flags) = 0;
  // Scan code of a virtual key on the keyboard layout of the foreground
  // window's thread, the thread that reads the key (0 when none); the E0
  // prefix is not part of it.
  virtual uint8_t ScanCode(uint8_t virtualKey) = 0;
  // Whether the user has swapped the primary and secondary mouse buttons.
  virtual bool ButtonsSwapped() = 0;
  // The process of the window in front now; nothing when no window is.
  virtual std::optional<InputTarget> ForegroundTarget() = 0;
  // This program's own token.
  virtual Elevation OwnElevation() = 0;
};

}  // namespace tx80
