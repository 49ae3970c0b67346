#include <algorithm>
#include <string>

#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "platform/win32/Win32ChildControls.h"
#include "platform/win32/WideText.h"

namespace tx80 {

namespace {
// LB_ERR and LB_ERRSPACE both mean "no line".
int LineOrNone(LRESULT result) { return result < 0 ? -1 : static_cast<int>(result); }
}  // namespace

int Win32ListBox::Count() { return std::max(0, LineOrNone(SendMessageW(window_, LB_GETCOUNT, 0, 0))); }

std::u16string Win32ListBox::Text(int line) {
  const LRESULT length = SendMessageW(window_, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(window_, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return FromWide(text);
}

int Win32ListBox::AddString(std::u16string_view text) {
  return LineOrNone(SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str())));
}

int Win32ListBox::InsertString(int line, std::u16string_view text) {
  return LineOrNone(SendMessageW(window_, LB_INSERTSTRING, static_cast<WPARAM>(line),
                                 reinterpret_cast<LPARAM>(ToWide(text).c_str())));
}

void Win32ListBox::DeleteString(int line) { SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(line), 0); }

int Win32ListBox::CurSel() { return LineOrNone(SendMessageW(window_, LB_GETCURSEL, 0, 0)); }

void Win32ListBox::SetCurSel(int line) { SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(line), 0); }

int Win32ListBox::ItemHeight() { return std::max(0, static_cast<int>(SendMessageW(window_, LB_GETITEMHEIGHT, 0, 0))); }

int Win32ListBox::TopIndex() { return std::max(0, static_cast<int>(SendMessageW(window_, LB_GETTOPINDEX, 0, 0))); }

fw::Rect Win32ListBox::ItemRect(int line) {
  RECT rect{};
  SendMessageW(window_, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&rect));
  return {rect.left, rect.top, rect.right, rect.bottom};
}

fw::Rect Win32ListBox::ClientRectOnScreen() {
  RECT rect{};
  GetClientRect(window_, &rect);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

uint32_t Win32ListBox::Style() { return static_cast<uint32_t>(GetWindowLongPtrW(window_, GWL_STYLE)); }

bool Win32ListBox::CreateEditor(fw::Edit& editor, const fw::ControlLayout& layout) {
  if (!CreateWin32Edit(window_, editor, layout)) return false;
  // The editor writes in the list's font.
  editor.Send(WM_SETFONT, static_cast<uintptr_t>(SendMessageW(window_, WM_GETFONT, 0, 0)), TRUE);
  return true;
}

}  // namespace tx80
