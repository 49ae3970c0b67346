#include "platform/win32/Win32WindowHost.h"

#include "platform/win32/WideText.h"
#include "resource.h"

namespace tx80 {

namespace {

// A region of the rectangles in one ExtCreateRegion call: the header, then the
// rectangles, in one block. Null when the system refuses it.
HRGN CreateRegion(const std::vector<fw::Rect>& rectangles) {
  // No rectangles is an empty outline (a list with no rows), not a failure.
  if (rectangles.empty()) return CreateRectRgn(0, 0, 0, 0);
  std::vector<RECT> block((sizeof(RGNDATAHEADER) + sizeof(RECT) - 1) / sizeof(RECT) + rectangles.size());
  auto* header = reinterpret_cast<RGNDATAHEADER*>(block.data());
  auto* rects = reinterpret_cast<RECT*>(reinterpret_cast<char*>(block.data()) + sizeof(RGNDATAHEADER));
  RECT bounds{0, 0, 0, 0};
  for (size_t i = 0; i < rectangles.size(); ++i) {
    const fw::Rect& r = rectangles[i];
    rects[i] = RECT{r.left, r.top, r.right, r.bottom};
    if (i == 0) bounds = rects[i];
    else UnionRect(&bounds, &bounds, &rects[i]);
  }
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rectangles.size());
  header->nRgnSize = static_cast<DWORD>(rectangles.size() * sizeof(RECT));
  header->rcBound = bounds;
  const DWORD size = static_cast<DWORD>(sizeof(RGNDATAHEADER) + rectangles.size() * sizeof(RECT));
  return ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(block.data()));
}

}  // namespace

HWND WindowHandle(WindowHost* host) {
  // Every host on this backend is a Win32WindowHost.
  return host ? static_cast<Win32WindowHost*>(host)->Handle() : nullptr;
}

HICON ProgramIcon() { return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)); }

HICON SmallProgramIcon() {
  // Shared: the system keeps one copy for the life of the module.
  static const HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                          IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  return icon ? icon : ProgramIcon();
}

void Win32WindowHost::SetCaption(std::u16string_view caption) {
  SetWindowTextW(Handle(), ToWide(caption).c_str());
}

// A null window would mean every window of the desktop to InvalidateRect and
// InvalidateRgn, and the calling thread's own queue to PostMessageW: once the
// window is gone, these calls do nothing.
void Win32WindowHost::Invalidate(bool erase) {
  if (HWND window = Handle()) InvalidateRect(window, nullptr, erase ? TRUE : FALSE);
}

void Win32WindowHost::Show(ShowMode mode) {
  int command = SW_SHOW;
  switch (mode) {
    case ShowMode::Show: command = SW_SHOW; break;
    case ShowMode::Hide: command = SW_HIDE; break;
    case ShowMode::Minimize: command = SW_MINIMIZE; break;
    case ShowMode::Restore: command = SW_RESTORE; break;
  }
  ShowWindow(Handle(), command);
}

void Win32WindowHost::EnableOwner() {
  if (disabledOwner_) EnableWindow(disabledOwner_, TRUE);
  disabledOwner_ = nullptr;
}

void Win32WindowHost::Destroy() {
  EnableOwner();
  if (HWND window = Handle()) DestroyWindow(window);
}

bool Win32WindowHost::AppendToSystemMenu(uint32_t id, std::u16string_view text) {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return false;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, id, ToWide(text).c_str());
  return true;
}

void Win32WindowHost::SetBigIcon() {
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon()));
}

void Win32WindowHost::Post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  if (HWND window = Handle()) PostMessageW(window, id, wParam, lParam);
}

void Win32WindowHost::SetShape(const std::vector<fw::Rect>& rectangles) {
  HRGN region = CreateRegion(rectangles);
  if (!region) return;
  // On success the system owns the region; window coordinates equal client
  // coordinates here, since the window has no frame.
  if (!SetWindowRgn(Handle(), region, TRUE)) DeleteObject(region);
}

void Win32WindowHost::Resize(int width, int height) {
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowHost::InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool erase) {
  HWND window = Handle();
  if (!window) return;
  HRGN region = CreateRegion(rectangles);
  if (!region) return;
  InvalidateRgn(window, region, erase ? TRUE : FALSE);
  DeleteObject(region);
}

void Win32WindowHost::UpdateNow() { UpdateWindow(Handle()); }

}  // namespace tx80

namespace tx80 {

fw::Rect Win32WindowHost::ScreenRect() {
  RECT r{};
  GetWindowRect(Handle(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

void Win32WindowHost::Move(const fw::Rect& rect) {
  MoveWindow(Handle(), rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

bool Win32WindowHost::IsMinimized() { return IsIconic(Handle()) != FALSE; }

bool Win32WindowHost::IsVisible() { return IsWindowVisible(Handle()) != FALSE; }

void Win32WindowHost::SetForeground() { SetForegroundWindow(Handle()); }

intptr_t Win32WindowHost::Send(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  HWND window = Handle();
  return window ? SendMessageW(window, id, wParam, lParam) : 0;
}

void Win32WindowHost::EndModal(int result) {
  if (!modal_) {
    ShowWindow(Handle(), SW_HIDE);
    return;
  }
  endResult_ = result;
  Destroy();
}

}  // namespace tx80
