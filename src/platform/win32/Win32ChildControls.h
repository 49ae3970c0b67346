#pragma once
#include <windows.h>

#include "platform/ChildControls.h"
#include "platform/ControlHosts.h"

namespace tx80 {

// LISTBOX and EDIT child windows, subclassed so that every message reaches the
// control object's WindowProc first; the original procedure is its Default.
class Win32ChildControls final : public ChildControls {
 public:
  bool CreateListBox(fw::Dialog& parent, fw::ListBox& control, const fw::ControlSpec& spec) override;
  bool CreateEdit(fw::Dialog& parent, fw::Edit& control, const fw::ControlSpec& spec) override;
};

// Creates an EDIT child of `parent` for `control`; false when it failed.
bool CreateWin32Edit(HWND parent, fw::Edit& control, const fw::ControlSpec& spec);

class Win32ListBox final : public ListBoxHost {
 public:
  Win32ListBox(HWND window, fw::ListBox& control);

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
  void SetFocus() override;
  void Destroy() override;
  intptr_t Send(const fw::Message& message) override;
  intptr_t Default(const fw::Message& message) override;
  intptr_t SendToParent(const fw::Message& message) override;
  bool CreateEditor(fw::Edit& editor, const fw::ControlSpec& spec) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam);
  HWND window_;
  fw::ListBox& control_;
  WNDPROC original_;
};

class Win32Edit final : public EditHost {
 public:
  Win32Edit(HWND window, fw::Edit& control);

  std::u16string Text() override;
  void SetText(std::u16string_view text) override;
  void Enable(bool enabled) override;
  bool IsEnabled() override;
  void SetFocus() override;
  void SelectAll() override;
  void Destroy() override;
  intptr_t Send(const fw::Message& message) override;
  intptr_t Default(const fw::Message& message) override;
  intptr_t SendToParent(const fw::Message& message) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam);
  HWND window_;
  fw::Edit& control_;
  WNDPROC original_;
};

}  // namespace tx80
