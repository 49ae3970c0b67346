#include "platform/win32/Win32ChildControls.h"

#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "platform/win32/Win32WindowHost.h"

namespace tx80 {

namespace {

HWND CreateChild(const wchar_t* windowClass, HWND parent, const fw::ControlSpec& spec) {
  return CreateWindowExW(spec.exStyle, windowClass, L"", spec.style, spec.rect.left, spec.rect.top,
                         spec.rect.Width(), spec.rect.Height(), parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleW(nullptr), nullptr);
}

HWND DialogWindow(fw::Dialog& dialog) { return dialog.HasWindow() ? WindowHandle(&dialog.Host()) : nullptr; }

}  // namespace

bool Win32ChildControls::CreateListBox(fw::Dialog& parent, fw::ListBox& control, const fw::ControlSpec& spec) {
  HWND parentWindow = DialogWindow(parent);
  if (!parentWindow) return false;
  HWND window = CreateChild(L"LISTBOX", parentWindow, spec);
  if (!window) return false;
  new Win32ListBox(window, control);  // owned by its window, freed at WM_NCDESTROY
  return true;
}

bool Win32ChildControls::CreateEdit(fw::Dialog& parent, fw::Edit& control, const fw::ControlSpec& spec) {
  HWND parentWindow = DialogWindow(parent);
  return parentWindow && CreateWin32Edit(parentWindow, control, spec);
}

bool CreateWin32Edit(HWND parent, fw::Edit& control, const fw::ControlSpec& spec) {
  HWND window = CreateChild(L"EDIT", parent, spec);
  if (!window) return false;
  new Win32Edit(window, control);  // owned by its window, freed at WM_NCDESTROY
  return true;
}

}  // namespace tx80
