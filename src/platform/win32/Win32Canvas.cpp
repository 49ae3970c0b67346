#include "platform/win32/Win32Canvas.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32WindowHost.h"

namespace tx80 {

namespace {

using FontKey = std::tuple<int, int, int, int, int, int, int, int, std::u16string>;

FontKey KeyOf(const fw::FontSpec& f) {
  return {f.height, f.width, f.weight, f.charSet, f.outPrecision, f.clipPrecision, f.quality, f.pitchAndFamily,
          std::u16string(f.face)};
}

}  // namespace

HFONT FontFor(const fw::FontSpec& font) {
  static std::mutex mutex;
  static std::map<FontKey, HFONT> fonts;
  std::lock_guard lock(mutex);
  auto [entry, added] = fonts.try_emplace(KeyOf(font), nullptr);
  if (added) {
    entry->second = CreateFontW(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE, font.charSet,
                                font.outPrecision, font.clipPrecision, font.quality, font.pitchAndFamily,
                                ToWide(font.face).c_str());
  }
  return entry->second;
}

HBRUSH BrushFor(fw::Rgb colour) {
  static std::mutex mutex;
  static std::map<COLORREF, HBRUSH> brushes;
  std::lock_guard lock(mutex);
  auto [entry, added] = brushes.try_emplace(ColourOf(colour), nullptr);
  if (added) entry->second = CreateSolidBrush(ColourOf(colour));
  return entry->second;
}

Win32Canvas::Win32Canvas(int width, int height) : ownsDc_(true), width_(width), height_(height) {
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
  ReleaseDC(nullptr, screen);
  if (!dc_ || !bitmap_) {
    if (dc_) DeleteDC(dc_);
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    return;
  }
  previousBitmap_ = SelectObject(dc_, bitmap_);
  SetBkMode(dc_, TRANSPARENT);
}

Win32Canvas::Win32Canvas(HDC dc, int width, int height) : dc_(dc), width_(width), height_(height) {
  SetBkMode(dc_, TRANSPARENT);
}

Win32Canvas::~Win32Canvas() {
  if (!dc_) return;
  if (previousFont_) SelectObject(dc_, previousFont_);
  if (!ownsDc_) return;
  SelectObject(dc_, previousBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void Win32Canvas::DrawImage(const fw::Image& image, const fw::Rect& source, fw::Point to) {
  // Only the part of the source that lies in the picture.
  const int left = std::max(source.left, 0);
  const int top = std::max(source.top, 0);
  const int right = std::min(source.right, image.Width());
  const int bottom = std::min(source.bottom, image.Height());
  if (right <= left || bottom <= top) return;
  // fw::Image's words are the layout of a top-down 32-bit DIB. The DIB handed
  // over is only the source's rows: with a source rectangle as high as the
  // DIB, its y is 0 whether the system counts it from the top or, as it does
  // for top-down DIBs here, from the bottom.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.Width();
  info.bmiHeader.biHeight = -(bottom - top);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const uint32_t* rows = image.Pixels() + static_cast<size_t>(top) * static_cast<size_t>(image.Width());
  StretchDIBits(dc_, to.x + (left - source.left), to.y + (top - source.top), right - left, bottom - top, left, 0,
                right - left, bottom - top, rows, &info, DIB_RGB_COLORS, SRCCOPY);
}

void Win32Canvas::FillRect(const fw::Rect& rect, fw::Rgb colour) {
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(dc_, &r, BrushFor(colour));
}

void Win32Canvas::Rectangle(const fw::Rect& rect) { ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom); }

void Win32Canvas::Line(fw::Point from, fw::Point to, fw::Rgb colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, ColourOf(colour));
  HGDIOBJ previous = SelectObject(dc_, pen);
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
  SelectObject(dc_, previous);
  DeleteObject(pen);
}

void Win32Canvas::SelectFont(const fw::FontSpec& font) {
  HGDIOBJ previous = SelectObject(dc_, FontFor(font));
  if (!previousFont_) previousFont_ = previous;
}

fw::Size Win32Canvas::TextExtent(std::u16string_view text) {
  SIZE size{};
  const std::wstring wide = ToWide(text);
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy};
}

void Win32Canvas::Text(int x, int y, std::u16string_view text, fw::Rgb colour) {
  SetTextColor(dc_, ColourOf(colour));
  const std::wstring wide = ToWide(text);
  TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void Win32Canvas::TextVCentered(const fw::Rect& rect, std::u16string_view text, fw::Rgb colour) {
  SetTextColor(dc_, ColourOf(colour));
  std::wstring wide = ToWide(text);
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &r, DT_VCENTER | DT_SINGLELINE);
}

void Win32Canvas::DrawProgramIcon(fw::Point at) { DrawIcon(dc_, at.x, at.y, ProgramIcon()); }

fw::Size Win32Canvas::ProgramIconSize() { return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}; }

}  // namespace tx80
