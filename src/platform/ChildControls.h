#pragma once
#include "framework/ControlStyles.h"

namespace fw {
class Dialog;
class Edit;
class ListBox;
}  // namespace fw

namespace tx80 {

// Creates the child controls of a dialog's window (the macro page's lists and
// edits). The new window is attached to the control object, which then sees
// every message of the window first (its WindowProc); the window's notices go
// to the dialog. The control is detached when its window is destroyed.
// UI thread only.
class ChildControls {
 public:
  virtual ~ChildControls() = default;
  // A list box at layout.rect in the dialog's client coordinates; false when the
  // dialog has no window or the window could not be made.
  virtual bool CreateListBox(fw::Dialog& parent, fw::ListBox& control, const fw::ControlLayout& layout) = 0;
  // An edit control, likewise.
  virtual bool CreateEdit(fw::Dialog& parent, fw::Edit& control, const fw::ControlLayout& layout) = 0;
  // The list box that the dialog's template made with id `itemId`, attached to
  // `control` the same way; false when the dialog has no window or no such item.
  virtual bool AttachListBox(fw::Dialog& parent, fw::ListBox& control, int itemId) = 0;
  // The edit control `itemId` of the dialog's template, likewise.
  virtual bool AttachEdit(fw::Dialog& parent, fw::Edit& control, int itemId) = 0;
};

}  // namespace tx80
