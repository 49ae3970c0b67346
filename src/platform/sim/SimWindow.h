#pragma once
#include <atomic>
#include <deque>
#include <functional>
#include <utility>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <map>

#include "framework/Dialog.h"
#include "platform/WindowHost.h"
#include "platform/WindowSystem.h"
#include "platform/sim/SimCanvas.h"

namespace tx80 {

class SimDesktop;

// A simulated top-level window: it keeps what the program asked of it, and
// delivers messages the way the program's modal loop does. Like a real window
// it remembers that it needs painting: UpdateNow paints it then, and a test
// paints it when it likes (Paint), as the loop would once idle. Like the
// system, it tells its dialog before it turns visible or hidden
// (WM_SHOWWINDOW), whoever called Show.
class SimWindowHost : public WindowHost {
 public:
  SimWindowHost(SimDesktop& desktop, fw::Dialog& dialog, bool modal = true, WindowHost* owner = nullptr);
  ~SimWindowHost() override;

  void SetCaption(std::u16string_view caption) override;
  void Invalidate(bool erase) override;
  void InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool erase) override;
  void UpdateNow() override;
  void Show(ShowMode mode) override;
  void Destroy() override;
  bool AppendToSystemMenu(uint32_t id, std::u16string_view text) override;
  void SetBigIcon() override;
  void Post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
  void SetShape(const std::vector<fw::Rect>& rectangles) override;
  void Resize(int width, int height) override;
  fw::Rect ScreenRect() override;
  void Move(const fw::Rect& rect) override;
  bool IsMinimized() override;
  bool IsVisible() override;
  void SetForeground() override { ++foregrounds_; }
  intptr_t Send(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
  void EndModal(int result) override;
  std::pair<int, int> Size() const;

  // Paints the window now, as WM_PAINT would, on a fresh canvas of the
  // window's size, and keeps that canvas (null when the dialog painted nothing).
  const SimCanvas* Paint();
  const SimCanvas* LastPaint() const { return lastPaint_.get(); }
  bool NeedsPaint() const { return invalid_; }
  int Paints() const { return paints_; }
  // The message loop once its queue is empty: posted messages, then the paint.
  void Idle();
  // WM_MEASUREITEM and WM_DRAWITEM of an owner-drawn menu item the window owns.
  bool MeasureMenuItem(uintptr_t itemData, fw::Size& size);
  bool DrawMenuItem(const fw::MenuItemDraw& item, fw::Canvas& canvas);
  // Sends pointer messages as the system would: a move, then the button.
  void MoveTo(int x, int y);
  void Press(int x, int y);
  void Release(int x, int y);
  void Click(int x, int y);

  WindowHost* Owner() const { return owner_; }
  int Foregrounds() const { return foregrounds_; }
  std::optional<int> ModalResult() const { return modalResult_; }

  // As the modal loop: PreTranslateMessage first, then the dialog's handlers.
  // Returns false when PreTranslateMessage swallowed the message.
  bool Deliver(const fw::Message& message);
  // Delivers posted messages until the queue is empty or the window is gone.
  void PumpPosted();
  // The messages posted and not yet delivered, oldest first.
  std::vector<fw::Message> Queued() const;

  std::u16string Caption() const;
  bool Destroyed() const { return destroyed_; }
  int Invalidations() const { return invalidations_; }
  // The rectangles of the last InvalidateRegion (empty: the last was whole).
  std::vector<fw::Rect> InvalidRegion() const;
  ShowMode LastShow() const;
  struct MenuItem {
    uint32_t id;
    std::u16string text;
  };
  std::vector<MenuItem> SystemMenu() const;
  bool HasBigIcon() const;
  // The outline last given with SetShape (empty: none).
  std::vector<fw::Rect> Shape() const;

 private:
  friend class SimWindowSystem;
  SimDesktop& desktop_;
  fw::Dialog& dialog_;
  const bool modal_;
  WindowHost* const owner_;
  mutable std::mutex mutex_;
  std::u16string caption_;
  ShowMode lastShow_ = ShowMode::Show;
  bool visible_ = false;  // created without WS_VISIBLE
  bool minimized_ = false;
  fw::Point position_;
  std::atomic<bool> invalid_{true};
  std::unique_ptr<SimCanvas> lastPaint_;
  int paints_ = 0;
  int foregrounds_ = 0;
  std::optional<int> modalResult_;
  std::vector<MenuItem> systemMenu_;
  bool bigIcon_ = false;
  std::vector<fw::Rect> shape_;
  std::deque<fw::Message> posted_;
  std::atomic<bool> destroyed_{false};
  std::atomic<int> invalidations_{0};
  std::vector<fw::Rect> invalidRegion_;
  std::pair<int, int> size_{0, 0};
};

// Creates simulated windows. RunModal initialises the dialog, lets the test
// drive it (the outermost through `whileModal`, any by template through
// `onModal`), delivers what was posted, then removes a window still open (as
// process exit would for the outermost; a modal left open ends with 0).
class SimWindowSystem : public WindowSystem {
 public:
  explicit SimWindowSystem(SimDesktop& desktop) : desktop_(desktop) {}

  int RunModal(fw::Dialog& dialog) override;
  WindowHost* CreateModeless(fw::Dialog& dialog, WindowHost* owner) override;
  WindowHost* FindByCaption(std::u16string_view caption) override;
  void InitializeControls() override { controlsInitialized = true; }
  std::u16string LoadResourceString(int id) override;

  // Opens a dialog's window and runs OnInitDialog, without a loop: for tests
  // that hold the dialog themselves. The window lives until the dialog is
  // destroyed or the system is.
  SimWindowHost& Open(fw::Dialog& dialog);
  // The simulated host of a window this system made (null for none).
  SimWindowHost* HostOf(WindowHost* host);

  std::function<void(SimWindowHost&)> whileModal;
  std::map<int, std::function<void(SimWindowHost&)>> onModal;
  bool controlsInitialized = false;
  std::vector<int> modalTemplates;  // every dialog template run modally, in order

 private:
  SimWindowHost& Make(fw::Dialog& dialog, bool modal, WindowHost* owner);

  SimDesktop& desktop_;
  std::vector<std::unique_ptr<SimWindowHost>> windows_;
  std::vector<SimWindowHost*> modals_;  // running, innermost last
  int modalDepth_ = 0;
};

}  // namespace tx80
