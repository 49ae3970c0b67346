#pragma once
#include <cstdint>
#include <optional>

#include "framework/DeviceBroadcast.h"
#include "framework/Message.h"

namespace tx80 {
class WindowHost;
}

namespace fw {

// A dialog window: portable logic with virtual handlers. A backend creates the
// window from the template, attaches a WindowHost and delivers messages through
// Dispatch (and DeviceChange, whose broadcast it decodes itself).
class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int TemplateId() const { return templateId_; }

  // Called by the backend when the window exists.
  void Attach(tx80::WindowHost* host) { host_ = host; }
  // Called by every backend the moment the window is destroyed, whoever
  // destroyed it: from then on the dialog has no window (HasWindow is false,
  // even inside the handler that destroyed it). Calls OnDestroyed once.
  void Detach();
  bool HasWindow() const { return host_ != nullptr; }
  tx80::WindowHost& Host() const;

  // Sends a message to the dialog's handlers; nullopt asks for the backend's
  // default processing.
  std::optional<intptr_t> Dispatch(const Message& message);
  // WM_DEVICECHANGE with its broadcast decoded (null when it carries none).
  virtual bool OnDeviceChange(uintptr_t event, const DeviceBroadcast* broadcast);

  virtual bool OnInitDialog() { return true; }
  // The window is gone; what pointed at it must let go.
  virtual void OnDestroyed() {}
  // Sees every message of the modal loop first; true swallows it.
  virtual bool PreTranslateMessage(const Message&) { return false; }
  virtual void OnClose();
  // True when handled; false asks for default processing.
  virtual bool OnSysCommand(uint32_t command) {
    (void)command;
    return false;
  }
  virtual void OnPowerBroadcast() {}
  // WM_MOUSEMOVE, client coordinates.
  virtual void OnMouseMove(int x, int y) {
    (void)x;
    (void)y;
  }
  // WM_COMMAND from menus and controls; true when handled.
  virtual bool OnCommand(uint32_t id, uint32_t notifyCode) {
    (void)id;
    (void)notifyCode;
    return false;
  }
  // Messages without a named handler (the program's private ones).
  virtual std::optional<intptr_t> OnOtherMessage(const Message&) { return std::nullopt; }

 private:
  int templateId_;
  tx80::WindowHost* host_ = nullptr;
};

}  // namespace fw
