#pragma once
#include <windows.h>

#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "platform/ChildControls.h"
#include "platform/ControlHosts.h"
#include "platform/win32/Win32SubclassedControl.h"

namespace tx80 {

// LISTBOX and EDIT child windows, subclassed so that every message reaches the
// control object's WindowProc first; the original procedure is its Default.
class Win32ChildControls final : public ChildControls {
 public:
  bool CreateListBox(fw::Dialog& parent, fw::ListBox& control, const fw::ControlLayout& layout) override;
  bool CreateEdit(fw::Dialog& parent, fw::Edit& control, const fw::ControlLayout& layout) override;
  bool AttachListBox(fw::Dialog& parent, fw::ListBox& control, int itemId) override;
  bool AttachEdit(fw::Dialog& parent, fw::Edit& control, int itemId) override;
};

// Creates an EDIT child of `parent` for `control`; false when it failed.
bool CreateWin32Edit(HWND parent, fw::Edit& control, const fw::ControlLayout& layout);

class Win32ListBox final : public Win32SubclassedControl<ListBoxHost, fw::ListBox> {
 public:
  using Win32SubclassedControl::Win32SubclassedControl;

  int Count() override;
  std::u16string Text(int line) override;
  int AddString(std::u16string_view text) override;
  int InsertString(int line, std::u16string_view text) override;
  void DeleteString(int line) override;
  int CurSel() override;
  void SetCurSel(int line) override;
  int ItemHeight() override;
  int TopIndex() override;
  fw::Rect ItemRect(int line) override;
  fw::Rect ClientRectOnScreen() override;
  uint32_t Style() override;
  bool CreateEditor(fw::Edit& editor, const fw::ControlLayout& layout) override;
};

class Win32Edit final : public Win32SubclassedControl<EditHost, fw::Edit> {
 public:
  using Win32SubclassedControl::Win32SubclassedControl;

  std::u16string Text() override;
  void SetText(std::u16string_view text) override;
  void Enable(bool enabled) override;
  bool IsEnabled() override;
  void SelectAll() override;
};

}  // namespace tx80
