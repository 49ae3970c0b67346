#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

namespace tx80 {

// The desktop-wide keyboard capture of a macro recording. Each keystroke on
// the desktop goes to the handler first, which says whether it is kept from
// the system (no program, this one included, receives it) or passed on to the
// program with the focus as if there were no capture. UI thread only: the
// handler runs on the thread that installed the capture, from its message loop.
class KeyboardHook {
 public:
  // message: WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP (the system's
  // numbers); virtualKey: the key's virtual-key code. Returns true to keep the
  // keystroke from the system, false to pass it on.
  using Handler = std::function<bool(uint32_t message, uint32_t virtualKey)>;

  virtual ~KeyboardHook() = default;
  // Installs the capture; from now on each keystroke goes to `handler`, which
  // decides its fate. False when the system refused (no capture then).
  virtual bool Install(Handler handler) = 0;
  // Removes it; harmless when none is installed.
  virtual void Remove() = 0;
  // Posts a key message (the virtual key as wParam, 0 as lParam) to the
  // top-level window with this caption; nothing when there is none.
  virtual void PostToWindow(std::u16string_view caption, uint32_t message, uint32_t virtualKey) = 0;
};

}  // namespace tx80
