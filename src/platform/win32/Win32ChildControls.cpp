#include "platform/win32/Win32ChildControls.h"

#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "platform/win32/Win32WindowHost.h"

namespace tx80 {

namespace {

HWND CreateChild(const wchar_t* windowClass, HWND parent, const fw::ControlLayout& layout) {
  return CreateWindowExW(layout.exStyle, windowClass, L"", layout.style, layout.rect.left, layout.rect.top,
                         layout.rect.Width(), layout.rect.Height(), parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), GetModuleHandleW(nullptr), nullptr);
}

HWND DialogWindow(fw::Dialog& dialog) { return dialog.HasWindow() ? WindowHandle(&dialog.Host()) : nullptr; }

// A control the dialog's template made, subclassed for its control object.
template <class Host, class Control>
bool AttachItem(fw::Dialog& parent, Control& control, int itemId) {
  HWND parentWindow = DialogWindow(parent);
  HWND window = parentWindow ? GetDlgItem(parentWindow, itemId) : nullptr;
  if (!window) return false;
  new Host(window, control);  // owned by its window, freed at WM_NCDESTROY
  return true;
}

}  // namespace

bool Win32ChildControls::CreateListBox(fw::Dialog& parent, fw::ListBox& control, const fw::ControlLayout& layout) {
  HWND parentWindow = DialogWindow(parent);
  if (!parentWindow) return false;
  HWND window = CreateChild(L"LISTBOX", parentWindow, layout);
  if (!window) return false;
  new Win32ListBox(window, control);  // owned by its window, freed at WM_NCDESTROY
  return true;
}

bool Win32ChildControls::CreateEdit(fw::Dialog& parent, fw::Edit& control, const fw::ControlLayout& layout) {
  HWND parentWindow = DialogWindow(parent);
  return parentWindow && CreateWin32Edit(parentWindow, control, layout);
}

bool Win32ChildControls::AttachListBox(fw::Dialog& parent, fw::ListBox& control, int itemId) {
  return AttachItem<Win32ListBox>(parent, control, itemId);
}

bool Win32ChildControls::AttachEdit(fw::Dialog& parent, fw::Edit& control, int itemId) {
  return AttachItem<Win32Edit>(parent, control, itemId);
}

bool CreateWin32Edit(HWND parent, fw::Edit& control, const fw::ControlLayout& layout) {
  HWND window = CreateChild(L"EDIT", parent, layout);
  if (!window) return false;
  new Win32Edit(window, control);  // owned by its window, freed at WM_NCDESTROY
  return true;
}

}  // namespace tx80
