#include "platform/sim/SimWindow.h"

#include "platform/sim/SimDesktop.h"

namespace tx80 {

SimWindowHost::SimWindowHost(SimDesktop& desktop, fw::Dialog& dialog) : desktop_(desktop), dialog_(dialog) {
  desktop_.AddWindow(this);
}

// The dialog may be gone already (a test's fixture ends it first): only the
// desktop forgets the window.
SimWindowHost::~SimWindowHost() {
  if (!destroyed_.exchange(true)) desktop_.RemoveWindow(this);
}

void SimWindowHost::SetCaption(std::u16string_view caption) {
  std::lock_guard lock(mutex_);
  caption_ = caption;
}

void SimWindowHost::Invalidate(bool) {
  if (destroyed_) return;
  std::lock_guard lock(mutex_);
  invalidRegion_.clear();
  ++invalidations_;
}

void SimWindowHost::InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool) {
  if (destroyed_) return;
  std::lock_guard lock(mutex_);
  invalidRegion_ = rectangles;
  ++invalidations_;
}

std::vector<fw::Rect> SimWindowHost::InvalidRegion() const {
  std::lock_guard lock(mutex_);
  return invalidRegion_;
}

void SimWindowHost::Show(ShowMode mode) {
  std::lock_guard lock(mutex_);
  lastShow_ = mode;
}

void SimWindowHost::Destroy() {
  if (destroyed_.exchange(true)) return;
  desktop_.RemoveWindow(this);
  dialog_.Detach();
}

bool SimWindowHost::AppendToSystemMenu(uint32_t id, std::u16string_view text) {
  std::lock_guard lock(mutex_);
  systemMenu_.push_back({id, std::u16string(text)});
  return true;
}

void SimWindowHost::SetBigIcon() {
  std::lock_guard lock(mutex_);
  bigIcon_ = true;
}

void SimWindowHost::Post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  if (destroyed_) return;
  std::lock_guard lock(mutex_);
  posted_.push_back(fw::Message{id, wParam, lParam, true});
}

bool SimWindowHost::Deliver(const fw::Message& message) {
  if (destroyed_) return false;
  if (dialog_.PreTranslateMessage(message)) return false;
  if (message.forDialogOrChild) dialog_.Dispatch(message);
  return true;
}

void SimWindowHost::PumpPosted() {
  while (!destroyed_) {
    fw::Message next;
    {
      std::lock_guard lock(mutex_);
      if (posted_.empty()) return;
      next = posted_.front();
      posted_.pop_front();
    }
    Deliver(next);
  }
}

void SimWindowHost::Resize(int width, int height) {
  std::lock_guard lock(mutex_);
  size_ = {width, height};
}

std::pair<int, int> SimWindowHost::Size() const {
  std::lock_guard lock(mutex_);
  return size_;
}

std::u16string SimWindowHost::Caption() const {
  std::lock_guard lock(mutex_);
  return caption_;
}

ShowMode SimWindowHost::LastShow() const {
  std::lock_guard lock(mutex_);
  return lastShow_;
}

std::vector<SimWindowHost::MenuItem> SimWindowHost::SystemMenu() const {
  std::lock_guard lock(mutex_);
  return systemMenu_;
}

bool SimWindowHost::HasBigIcon() const {
  std::lock_guard lock(mutex_);
  return bigIcon_;
}

void SimWindowHost::SetShape(const std::vector<fw::Rect>& rectangles) {
  std::lock_guard lock(mutex_);
  shape_ = rectangles;
}

std::vector<fw::Rect> SimWindowHost::Shape() const {
  std::lock_guard lock(mutex_);
  return shape_;
}

SimWindowHost& SimWindowSystem::Open(fw::Dialog& dialog) {
  windows_.push_back(std::make_unique<SimWindowHost>(desktop_, dialog));
  SimWindowHost& window = *windows_.back();
  dialog.Attach(&window);
  dialog.OnInitDialog();
  return window;
}

int SimWindowSystem::RunModal(fw::Dialog& dialog) {
  modalTemplates.push_back(dialog.TemplateId());
  SimWindowHost& window = Open(dialog);
  window.PumpPosted();
  ++modalDepth_;
  if (whileModal && modalDepth_ == 1 && !window.Destroyed()) whileModal(window);
  --modalDepth_;
  window.PumpPosted();
  window.Destroy();
  return 0;
}

std::u16string SimWindowSystem::LoadResourceString(int id) {
  return id == 101 ? u"&About NRV_VIruvi..." : u"";
}

}  // namespace tx80
