#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/ControlStyles.h"
#include "framework/Message.h"
#include "framework/Rect.h"

namespace fw {
class Edit;
}

namespace tx80 {

// The real (or simulated) window behind a fw::ListBox. The backend creates it,
// attaches it to the control, and detaches it when the window is gone. Every
// call is made on the UI thread. Lines are numbered from 0; -1 is "none".
class ListBoxHost {
 public:
  virtual ~ListBoxHost() = default;
  virtual int Count() = 0;
  // Text of a line; empty for a line that does not exist.
  virtual std::u16string Text(int line) = 0;
  // Adds a line: at its place in order when the list has kListSort, else last.
  // Returns its index.
  virtual int AddString(std::u16string_view text) = 0;
  // Inserts a line before `line` (-1 appends), never sorting. Returns its index,
  // or -1 when `line` is beyond the end.
  virtual int InsertString(int line, std::u16string_view text) = 0;
  virtual void DeleteString(int line) = 0;
  virtual int CurSel() = 0;
  // Selects a line (-1, or a line beyond the end, selects nothing) without
  // telling the parent.
  virtual void SetCurSel(int line) = 0;
  virtual int ItemHeight() = 0;
  // First line shown, the vertical scroll position in lines.
  virtual int TopIndex() = 0;
  // Rectangle of a line in the list's client coordinates.
  virtual fw::Rect ItemRect(int line) = 0;
  // The list's client area in screen coordinates.
  virtual fw::Rect ClientRectOnScreen() = 0;
  virtual uint32_t Style() = 0;
  virtual void SetFocus() = 0;
  virtual void Destroy() = 0;
  // A message through the list's window procedure (the control's WindowProc first).
  virtual intptr_t Send(const fw::Message& message) = 0;
  // The standard list box processing of a message.
  virtual intptr_t Default(const fw::Message& message) = 0;
  // Sends a message to the list's parent window and returns its result.
  virtual intptr_t SendToParent(const fw::Message& message) = 0;
  // Creates an edit window as a child of the list, at layout.rect in the list's
  // client coordinates, with the list's font; attaches it to `editor`.
  virtual bool CreateEditor(fw::Edit& editor, const fw::ControlLayout& layout) = 0;
};

// The real (or simulated) window behind a fw::Edit; same rules as ListBoxHost.
class EditHost {
 public:
  virtual ~EditHost() = default;
  virtual std::u16string Text() = 0;
  virtual void SetText(std::u16string_view text) = 0;
  virtual void Enable(bool enabled) = 0;
  virtual bool IsEnabled() = 0;
  virtual void SetFocus() = 0;
  // Selects the whole text, so that typing replaces it.
  virtual void SelectAll() = 0;
  virtual void Destroy() = 0;
  virtual intptr_t Send(const fw::Message& message) = 0;
  virtual intptr_t Default(const fw::Message& message) = 0;
  virtual intptr_t SendToParent(const fw::Message& message) = 0;
};

}  // namespace tx80
