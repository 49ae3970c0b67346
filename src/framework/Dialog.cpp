#include "framework/Dialog.h"

#include <cassert>

#include "platform/WindowHost.h"

namespace fw {

tx80::WindowHost& Dialog::Host() const {
  assert(host_ && "dialog used before its window exists");
  return *host_;
}

void Dialog::OnClose() { Host().Destroy(); }

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
