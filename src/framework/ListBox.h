#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/Message.h"
#include "framework/Rect.h"

namespace tx80 {
class ListBoxHost;
}

namespace fw {

// A list box child control. The object outlives its window: the page creates
// the window each time it is shown and destroys it when it is left. Without a
// window every operation does nothing and reports "none" (-1, 0 or empty), as
// the system's own list box calls do on a window that is gone.
class ListBox {
 public:
  ListBox() = default;
  virtual ~ListBox();
  ListBox(const ListBox&) = delete;
  ListBox& operator=(const ListBox&) = delete;

  // Called by the backend: when the window exists, and with null when it is gone.
  void Attach(tx80::ListBoxHost* host) { host_ = host; }
  bool HasWindow() const { return host_ != nullptr; }

  int Count() const;
  std::u16string Text(int line) const;
  int AddString(std::u16string_view text);
  int InsertString(int line, std::u16string_view text);
  void DeleteString(int line);
  // Deletes every line, from the last backwards.
  void DeleteAll();
  int CurSel() const;
  void SetCurSel(int line);
  int ItemHeight() const;
  int TopIndex() const;
  Rect ItemRect(int line) const;
  Rect ClientRectOnScreen() const;
  uint32_t Style() const;
  void SetFocus();
  void DestroyWindow();
  // Sends a message through the window procedure; 0 without a window.
  intptr_t Send(uint32_t id, uintptr_t wParam = 0, intptr_t lParam = 0);

  // The window procedure: the backend passes every message of the window here.
  // A derived class handles what it needs and calls Default for the rest.
  virtual intptr_t WindowProc(const Message& message) { return Default(message); }

 protected:
  tx80::ListBoxHost* host() const { return host_; }
  intptr_t Default(const Message& message);
  intptr_t SendToParent(uint32_t id, uintptr_t wParam, intptr_t lParam);

 private:
  tx80::ListBoxHost* host_ = nullptr;
};

}  // namespace fw
