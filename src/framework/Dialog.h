#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Canvas.h"
#include "framework/DeviceBroadcast.h"
#include "framework/Message.h"

namespace tx80 {
class WindowHost;
}

namespace fw {

// How a dialog wants its edit and list controls drawn (WM_CTLCOLOR*).
struct ControlColors {
  FontSpec font;
  Rgb text;
  Rgb background;  // also the brush the control's background is filled with
};

// One owner-drawn menu item the system asks the owner window to draw.
struct MenuItemDraw {
  uintptr_t itemData = 0;  // what the program gave the item when it made it owner-drawn
  Rect rect;               // on the canvas
  bool selected = false;
  bool checked = false;  // the item carries a check mark (PopupMenus::SetChecked)
};

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
  // A modal dialog's window is shown once OnInitDialog has run, unless this
  // says it stays hidden (asked after OnInitDialog).
  virtual bool StartsHidden() const { return false; }
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
  // WM_POWERBROADCAST with its event (fw::power); the default processing follows.
  virtual void OnPowerBroadcast(uintptr_t event) { (void)event; }
  // WM_ENDSESSION: the session ends (true) or the ending was called off. The
  // process may be ended as soon as this returns; the window is not destroyed.
  virtual void OnEndSession(bool ending) { (void)ending; }
  // WM_SHOWWINDOW: the window is about to be shown (true) or hidden, whoever
  // asked for it (another process included); the default processing follows.
  virtual void OnShowWindow(bool shown) { (void)shown; }
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
  // A request from another copy of the program (WM_COPYDATA), handled at
  // once; the reply goes back to the sender. Nothing: no reply (not a window
  // that takes requests).
  virtual std::optional<std::u16string> OnRequest(std::u16string_view request) {
    (void)request;
    return std::nullopt;
  }
  // Messages without a named handler (the program's private ones).
  virtual std::optional<intptr_t> OnOtherMessage(const Message&) { return std::nullopt; }

  // WM_PAINT: draws the whole client area on `canvas`, which the backend shows
  // in one copy afterwards. False leaves the painting to the system (a
  // standard dialog with controls of its own).
  virtual bool OnPaint(Canvas& canvas) {
    (void)canvas;
    return false;
  }
  // WM_ERASEBKGND: true when the background is never to be erased (the
  // paint covers the whole window).
  virtual bool OnEraseBackground() { return false; }
  // WM_LBUTTONDOWN and WM_LBUTTONUP, client coordinates; the default
  // processing follows.
  virtual void OnLButtonDown(int x, int y) {
    (void)x;
    (void)y;
  }
  virtual void OnLButtonUp(int x, int y) {
    (void)x;
    (void)y;
  }
  // WM_CTLCOLOR* of the dialog's edit and list controls; nullopt: the
  // system's colours.
  virtual std::optional<ControlColors> OnCtlColor() { return std::nullopt; }
  // WM_MEASUREITEM and WM_DRAWITEM of owner-drawn menu items shown with this
  // window as owner; false when the item is not the dialog's.
  virtual bool OnMeasureMenuItem(uintptr_t itemData, Size& size) {
    (void)itemData;
    (void)size;
    return false;
  }
  virtual bool OnDrawMenuItem(const MenuItemDraw& item, Canvas& canvas) {
    (void)item;
    (void)canvas;
    return false;
  }
  // IDOK and IDCANCEL (Enter and Escape in a dialog): end it with 1 or 2.
  virtual void OnOK() { EndDialog(1); }
  virtual void OnCancel() { EndDialog(2); }
  // Ends a modal dialog: RunModal returns `result`. A modeless one is hidden.
  void EndDialog(int result);

 private:
  int templateId_;
  tx80::WindowHost* host_ = nullptr;
};

}  // namespace fw
