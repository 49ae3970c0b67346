#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/Message.h"

namespace tx80 {
class EditHost;
}

namespace fw {

// An edit child control; same life rules as fw::ListBox: without a window every
// operation does nothing and the text reads as empty.
class Edit {
 public:
  Edit() = default;
  virtual ~Edit();
  Edit(const Edit&) = delete;
  Edit& operator=(const Edit&) = delete;

  void Attach(tx80::EditHost* host) { host_ = host; }
  bool HasWindow() const { return host_ != nullptr; }

  std::u16string Text() const;
  void SetText(std::u16string_view text);
  void Enable(bool enabled);
  bool IsEnabled() const;
  void SetFocus();
  void SelectAll();
  void DestroyWindow();
  intptr_t Send(uint32_t id, uintptr_t wParam = 0, intptr_t lParam = 0);

  // The window procedure, as for fw::ListBox.
  virtual intptr_t WindowProc(const Message& message) { return Default(message); }

 protected:
  intptr_t Default(const Message& message);
  intptr_t SendToParent(uint32_t id, uintptr_t wParam, intptr_t lParam);

 private:
  tx80::EditHost* host_ = nullptr;
};

}  // namespace fw
