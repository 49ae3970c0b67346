#include "framework/Dialog.h"

#include <cassert>

#include "platform/WindowHost.h"

namespace fw {

namespace {
// The coordinates of a pointer message are signed 16-bit: a captured pointer
// may lie left of or above the window.
int PointerX(intptr_t lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
int PointerY(intptr_t lParam) { return static_cast<int16_t>((lParam >> 16) & 0xFFFF); }
}  // namespace

tx80::WindowHost& Dialog::Host() const {
  assert(host_ && "dialog used before its window exists");
  return *host_;
}

void Dialog::OnClose() { Host().Destroy(); }

void Dialog::EndDialog(int result) {
  if (host_) host_->EndModal(result);
}

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
      OnPowerBroadcast(message.wParam);
      return std::nullopt;  // the default processing follows, as for any power event
    case msg::kQueryEndSession:
      return 1;  // the driver never stands in the way of a sign-out
    case msg::kEndSession:
      OnEndSession(message.wParam != 0);
      return 0;
    case msg::kShowWindow:
      OnShowWindow(message.wParam != 0);
      return std::nullopt;
    case msg::kMouseMove:
      OnMouseMove(PointerX(message.lParam), PointerY(message.lParam));
      return 0;
    case msg::kLButtonDown:
      OnLButtonDown(PointerX(message.lParam), PointerY(message.lParam));
      return std::nullopt;
    case msg::kLButtonUp:
      OnLButtonUp(PointerX(message.lParam), PointerY(message.lParam));
      return std::nullopt;
    case msg::kEraseBkgnd:
      if (OnEraseBackground()) return 1;
      return std::nullopt;
    case msg::kCommand: {
      const auto id = static_cast<uint32_t>(message.wParam & 0xFFFF);
      if (OnCommand(id, static_cast<uint32_t>((message.wParam >> 16) & 0xFFFF))) return 0;
      if (id == kIdOk) {
        OnOK();
        return 0;
      }
      if (id == kIdCancel) {
        OnCancel();
        return 0;
      }
      return std::nullopt;
    }
    default:
      return OnOtherMessage(message);
  }
}

}  // namespace fw
