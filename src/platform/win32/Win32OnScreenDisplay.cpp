#include "platform/win32/Win32OnScreenDisplay.h"

#include "platform/win32/Win32Canvas.h"
#include "platform/win32/WideText.h"

namespace tx80 {

namespace {
constexpr wchar_t kWindowClass[] = L"TX80OnScreenDisplay";
constexpr UINT_PTR kHideTimer = 1;
constexpr DWORD kExStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}  // namespace

fw::Rect Win32OnScreenDisplay::WorkArea() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT area{};
  if (GetMonitorInfoW(MonitorFromWindow(GetForegroundWindow(), MONITOR_DEFAULTTOPRIMARY), &monitor)) {
    area = monitor.rcWork;
  } else if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return {area.left, area.top, area.right, area.bottom};
}

fw::Size Win32OnScreenDisplay::TextSize(std::u16string_view text, const fw::FontSpec& font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, FontFor(font));
  SIZE size{};
  const std::wstring wide = ToWide(text);
  GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return {size.cx, size.cy};
}

bool Win32OnScreenDisplay::MakeWindow() {
  if (window_) return true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(kExStyle, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
  return window_ != nullptr;
}

void Win32OnScreenDisplay::Show(const OnScreenText& text) {
  if (!MakeWindow()) return;
  shown_ = text;
  // The window's text is what it shows, so that the desktop can tell it.
  SetWindowTextW(window_, ToWide(text.text).c_str());
  SetLayeredWindowAttributes(window_, 0, text.opacity, LWA_ALPHA);
  SetWindowPos(window_, HWND_TOPMOST, text.rect.left, text.rect.top, text.rect.Width(), text.rect.Height(),
               SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
  SetTimer(window_, kHideTimer, static_cast<UINT>(text.durationMs), nullptr);  // replaces a running one
}

void Win32OnScreenDisplay::Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, BrushFor(shown_.background));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourOf(shown_.textColour));
  HGDIOBJ previous = SelectObject(dc, FontFor(shown_.font));
  std::wstring text = ToWide(shown_.text);
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  EndPaint(window, &paint);
}

LRESULT CALLBACK Win32OnScreenDisplay::Procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32OnScreenDisplay*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (id) {
    case WM_PAINT:
      if (!self) break;
      self->Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills it
    case WM_TIMER:
      if (wParam != kHideTimer) break;
      KillTimer(window, kHideTimer);
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks go to the window below
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      break;
  }
  return DefWindowProcW(window, id, wParam, lParam);
}

}  // namespace tx80
