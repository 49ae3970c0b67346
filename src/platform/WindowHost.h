#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/Rect.h"

namespace tx80 {

enum class ShowMode { Show, Hide, Minimize, Restore };

// One real (or simulated) window behind a dialog. The backend creates it and
// hands it to the dialog; every call is made on the UI thread unless noted.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void SetCaption(std::u16string_view caption) = 0;
  // Requests a repaint of the whole client area; safe from any thread.
  virtual void Invalidate(bool erase) = 0;
  // Requests a repaint of the part of the client area the rectangles cover
  // (the advanced page repaints around its child controls this way).
  virtual void InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool erase) = 0;
  // Paints what is waiting to be repainted now, before returning.
  virtual void UpdateNow() = 0;
  virtual void Show(ShowMode mode) = 0;
  // Destroys the window; a modal loop running it ends. On every backend the
  // dialog loses its window at once (fw::Dialog::Detach, before Destroy
  // returns), and every later call on this host does nothing.
  virtual void Destroy() = 0;
  // Appends a separator and the item to the window's system menu; false when
  // the window has none.
  virtual bool AppendToSystemMenu(uint32_t id, std::u16string_view text) = 0;
  // Sets the program icon as the window's large icon.
  virtual void SetBigIcon() = 0;
  // Posts a message to this window's queue; safe from any thread.
  virtual void Post(uint32_t id, uintptr_t wParam, intptr_t lParam) = 0;
  // Gives the frameless window its outline: the union of the rectangles, in
  // window pixels. Only that part shows and takes the mouse; the window is
  // redrawn. Called once with the whole shape (built by the program from a mask
  // picture), never pixel by pixel.
  virtual void SetShape(const std::vector<fw::Rect>& rectangles) = 0;
  // Sets the window's size in pixels, keeping its position (the window has no
  // frame: this is its client area too).
  virtual void Resize(int width, int height) = 0;

  // The window's rectangle on the screen.
  virtual fw::Rect ScreenRect() = 0;
  // Moves and sizes the window (screen coordinates) and repaints it.
  virtual void Move(const fw::Rect& rect) = 0;
  virtual bool IsMinimized() = 0;
  // Shown (minimised counts as shown; hidden does not).
  virtual bool IsVisible() = 0;
  // Makes the window the foreground window, so that a popup menu it opens
  // closes when the user clicks elsewhere.
  virtual void SetForeground() = 0;
  // Delivers a message to the window's handlers at once, bypassing the
  // message loop (PreTranslateMessage does not see it), and returns the result.
  virtual intptr_t Send(uint32_t id, uintptr_t wParam, intptr_t lParam) = 0;
  // Ends a modal dialog, whose RunModal then returns `result`; a modeless
  // window is hidden instead.
  virtual void EndModal(int result) = 0;
};

}  // namespace tx80
