#include "framework/Dialog.h"

#include <cassert>

#include "platform/WindowHost.h"

namespace fw {

tx80::WindowHost& Dialog::Host() const {
  assert(host_ && "dialog used before its window exists");
  return *host_;
}

void Dialog::OnClose() { Host().Destroy(); }

void Dialog::Detach() {
  if (!host_) return;
  host_ = nullptr;
  OnDestroyed();
}

bool Dialog::OnDeviceChange(uintptr_t, const DeviceBroadcast*) { return true; }

std::optional<intptr_t> Dialog::Dispatch(const Message& message) {
  switch (message.id) {
    case msg::kClose:
      OnClose();
      return 0;
    case msg::kSysCommand:
      if (OnSysCommand(static_cast<uint32_t>(message.wParam))) return 0;
      return std::nullopt;
    case msg::kPowerBroadcast:
      OnPowerBroadcast();
      return std::nullopt;  // the default processing follows, as for any power event
    case msg::kMouseMove:
      // The coordinates are signed 16-bit: a captured pointer may lie left of or above the window.
      OnMouseMove(static_cast<int16_t>(message.lParam & 0xFFFF), static_cast<int16_t>((message.lParam >> 16) & 0xFFFF));
      return 0;
    case msg::kCommand:
      if (OnCommand(static_cast<uint32_t>(message.wParam & 0xFFFF),
                    static_cast<uint32_t>((message.wParam >> 16) & 0xFFFF)))
        return 0;
      return std::nullopt;
    default:
      return OnOtherMessage(message);
  }
}

}  // namespace fw
