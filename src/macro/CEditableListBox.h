#pragma once
#include <cstdint>

#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "framework/ProgramMessages.h"

namespace tx80 {

// Messages between the in-place editor, its list and the list's parent.
// editor -> list: end the edit; wParam 1 keeps the typed text, 0 discards it.
inline constexpr uint32_t kEndEditMessage = 0x8841;
// list -> parent, only with kListNotify: line wParam was changed by editing;
// lParam points to its old text (zero-terminated UTF-16), valid during the call.
inline constexpr uint32_t kLineEditedMessage = 0x8840;

// The in-place editor: Return keeps, Escape discards, losing the focus keeps.
// It acts on the key's release because the main window swallows the presses.
class CEditHelper : public fw::Edit {
 public:
  static constexpr int kId = 1;
  intptr_t WindowProc(const fw::Message& message) override;
};

// A list box whose selected line can be edited in place: a character code 1
// (what the macro page sends for "Modify Delay", and also Ctrl+A typed into
// the list) lays an editor over the selected line. The list knows nothing of
// what its lines mean; its parent reads the new text when it hears
// kEditorClosedMessage.
class CEditableListBox : public fw::ListBox {
 public:
  ~CEditableListBox() override;

  intptr_t WindowProc(const fw::Message& message) override;

  bool Editing() const { return edit_.HasWindow(); }
  // The line being edited; -1 when none.
  int EditIndex() const { return editIndex_; }

 private:
  void BeginEdit();
  void EndEdit(bool keep);

  CEditHelper edit_;
  int editIndex_ = -1;
  // Destroying the focused editor makes it lose the focus, which asks to end
  // the edit again; that second request is ignored.
  bool closing_ = false;
};

}  // namespace tx80
