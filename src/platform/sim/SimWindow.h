#pragma once
#include <atomic>
#include <deque>
#include <functional>
#include <utility>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "platform/WindowHost.h"
#include "platform/WindowSystem.h"

namespace tx80 {

class SimDesktop;

// A simulated top-level window: it keeps what the program asked of it, and
// delivers messages the way the program's modal loop does.
class SimWindowHost : public WindowHost {
 public:
  SimWindowHost(SimDesktop& desktop, fw::Dialog& dialog);
  ~SimWindowHost() override;

  void SetCaption(std::u16string_view caption) override;
  void Invalidate(bool erase) override;
  void InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool erase) override;
  void UpdateNow() override { ++updates_; }
  void Show(ShowMode mode) override;
  void Destroy() override;
  bool AppendToSystemMenu(uint32_t id, std::u16string_view text) override;
  void SetBigIcon() override;
  void Post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
  void SetShape(const std::vector<fw::Rect>& rectangles) override;
  void Resize(int width, int height) override;
  std::pair<int, int> Size() const;

  // As the modal loop: PreTranslateMessage first, then the dialog's handlers.
  // Returns false when PreTranslateMessage swallowed the message.
  bool Deliver(const fw::Message& message);
  // Delivers posted messages until the queue is empty or the window is gone.
  void PumpPosted();

  std::u16string Caption() const;
  bool Destroyed() const { return destroyed_; }
  int Invalidations() const { return invalidations_; }
  // The rectangles of the last InvalidateRegion (empty: the last was whole).
  std::vector<fw::Rect> InvalidRegion() const;
  int Updates() const { return updates_; }
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
  SimDesktop& desktop_;
  fw::Dialog& dialog_;
  mutable std::mutex mutex_;
  std::u16string caption_;
  ShowMode lastShow_ = ShowMode::Show;
  std::vector<MenuItem> systemMenu_;
  bool bigIcon_ = false;
  std::vector<fw::Rect> shape_;
  std::deque<fw::Message> posted_;
  std::atomic<bool> destroyed_{false};
  std::atomic<int> invalidations_{0};
  std::vector<fw::Rect> invalidRegion_;
  std::pair<int, int> size_{0, 0};
  std::atomic<int> updates_{0};
};

// Creates simulated windows. RunModal initialises the dialog, lets the test
// drive the outermost one through `whileModal`, delivers what was posted, then (as process
// exit would) removes a window still open.
class SimWindowSystem : public WindowSystem {
 public:
  explicit SimWindowSystem(SimDesktop& desktop) : desktop_(desktop) {}

  int RunModal(fw::Dialog& dialog) override;
  void InitializeControls() override { controlsInitialized = true; }
  std::u16string LoadResourceString(int id) override;

  // Opens a dialog's window and runs OnInitDialog, without a loop: for tests
  // that hold the dialog themselves. The window lives until the dialog is
  // destroyed or the system is.
  SimWindowHost& Open(fw::Dialog& dialog);

  std::function<void(SimWindowHost&)> whileModal;
  bool controlsInitialized = false;
  std::vector<int> modalTemplates;  // every dialog template run modally, in order

 private:
  SimDesktop& desktop_;
  std::vector<std::unique_ptr<SimWindowHost>> windows_;
  int modalDepth_ = 0;
};

}  // namespace tx80
