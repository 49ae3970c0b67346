#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

namespace tx80 {

// The desktop-wide keyboard capture of a macro recording. While it is
// installed every keystroke is taken away from the system, so no program (this
// one included) receives real keyboard input; the recorder sees only the key
// messages it re-posts to its own window. UI thread only: the handler runs on
// the thread that installed the capture, from its message loop.
class KeyboardHook {
 public:
  // message: WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP (the system's
  // numbers); virtualKey: the key's virtual-key code.
  using Handler = std::function<void(uint32_t message, uint32_t virtualKey)>;

  virtual ~KeyboardHook() = default;
  // Installs the capture; each keystroke goes to `handler` and then is
  // discarded. False when the system refused (no capture then).
  virtual bool Install(Handler handler) = 0;
  // Removes it; harmless when none is installed.
  virtual void Remove() = 0;
  // Posts a key message (the virtual key as wParam, 0 as lParam) to the
  // top-level window with this caption; nothing when there is none.
  virtual void PostToWindow(std::u16string_view caption, uint32_t message, uint32_t virtualKey) = 0;
};

}  // namespace tx80
