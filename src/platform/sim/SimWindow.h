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
class SimWindowSystem;

// A simulated top-level window: it keeps what the program asked of it, and
// delivers messages the way the program's modal loop does. Like a real window
// it remembers that it needs painting: UpdateNow paints it then, and a test
// paints it when it likes (Paint), as the loop would once idle. Like the
// system, it tells its dialog before it turns visible or hidden
// (WM_SHOWWINDOW), whoever called Show.
class SimWindowHost : public WindowHost {
 public:
  SimWindowHost(SimDesktop& desktop, SimWindowSystem& system, fw::Dialog& dialog, bool modal, WindowHost* owner);
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
  // WM_DEVICECHANGE as the system sends it, broadcast decoded; nothing once destroyed.
  void SendDeviceChange(uintptr_t event, const fw::DeviceBroadcast& broadcast);
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
  // Sends pointer messages as the system would: a move, then the button. A
  // disabled window takes none.
  void MoveTo(int x, int y);
  void Press(int x, int y);
  void Release(int x, int y);
  void Click(int x, int y);

  WindowHost* Owner() const { return owner_; }
  // False while the window owns a modal dialog that runs.
  bool Enabled() const { return enabled_; }
  int Foregrounds() const { return foregrounds_; }
  std::optional<int> ModalResult() const { return modalResult_; }

  // As the modal loop: the PreTranslateMessage of the innermost dialog running
  // first (forDialogOrChild only when that is this window's dialog), then
  // this window's handlers. Returns false when the message was swallowed.
  bool Deliver(const fw::Message& message);
  // A request from another program (WM_COPYDATA), sent: handled at once,
  // whatever the window's loop is doing, disabled or hidden windows included.
  std::optional<std::u16string> Request(std::u16string_view request);
  // Delivers the messages posted to this window until none is left or the
  // window is gone; those for other windows wait.
  void PumpPosted();
  // The messages posted to this window and not yet delivered, oldest first.
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
  SimWindowSystem& system_;
  fw::Dialog& dialog_;
  const bool modal_;
  WindowHost* const owner_;
  bool enabled_ = true;
  SimWindowHost* disabledOwner_ = nullptr;  // enabled again when this window goes
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
  std::atomic<bool> destroyed_{false};
  std::atomic<int> invalidations_{0};
  std::vector<fw::Rect> invalidRegion_;
  std::pair<int, int> size_{0, 0};
};

// Creates simulated windows and keeps the rules of WindowSystem::RunModal.
// RunModal initialises the dialog, disables its owner, lets the test drive it
// (the outermost through `whileModal`, any by template through `onModal`),
// delivers what was posted to any window of the program, then removes a
// window still open (as process exit would for the outermost; a modal left
// open ends with 0). The program's posted messages wait in one queue, as they
// do in its UI thread's.
class SimWindowSystem : public WindowSystem {
 public:
  explicit SimWindowSystem(SimDesktop& desktop) : desktop_(desktop) {}

  int RunModal(fw::Dialog& dialog) override;
  WindowHost* CreateModeless(fw::Dialog& dialog, WindowHost* owner) override;
  WindowHost* FindByCaption(std::u16string_view caption) override;
  void InitializeControls() override { controlsInitialized = true; }
  std::u16string LoadResourceString(int id) override;

  // Opens a dialog's window and runs OnInitDialog, without a loop: for tests
  // that hold the dialog themselves and drive it as its loop would. It has no
  // owner, and counts as the innermost dialog running until its window is
  // destroyed. The window lives until the dialog is destroyed or the system is.
  SimWindowHost& Open(fw::Dialog& dialog);
  // Delivers every posted message of the program, oldest first, as the loop
  // running does.
  void PumpPosted();
  // The simulated host of a window this system made (null for none).
  SimWindowHost* HostOf(WindowHost* host);

  std::function<void(SimWindowHost&)> whileModal;
  std::map<int, std::function<void(SimWindowHost&)>> onModal;
  bool controlsInitialized = false;
  std::vector<int> modalTemplates;  // every dialog template run modally, in order

 private:
  friend class SimWindowHost;
  struct Posted {
    SimWindowHost* window;
    fw::Message message;
  };
  SimWindowHost& Make(fw::Dialog& dialog, bool modal, WindowHost* owner);
  // The window becomes the innermost running and is shown unless its dialog stays hidden.
  void StartLoop(SimWindowHost& window);
  SimWindowHost* Innermost() const;
  // Whether the innermost dialog running (none: the window's own) swallows a
  // message for `window`.
  bool PreTranslate(SimWindowHost& window, const fw::Message& message);
  void Post(SimWindowHost& window, const fw::Message& message);
  // Takes the oldest message for `window` (null: for any window).
  std::optional<Posted> TakePosted(const SimWindowHost* window);
  std::vector<fw::Message> QueuedFor(const SimWindowHost& window) const;
  // The window is destroyed: a loop it ran has ended.
  void Ended(SimWindowHost& window);

  SimDesktop& desktop_;
  std::vector<std::unique_ptr<SimWindowHost>> windows_;
  std::vector<SimWindowHost*> running_;  // dialogs whose loop runs (Open's too), innermost last
  int modalDepth_ = 0;
  mutable std::mutex postedMutex_;
  std::deque<Posted> posted_;  // posted from any thread
};

}  // namespace tx80
