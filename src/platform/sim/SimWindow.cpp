#include "platform/sim/SimWindow.h"

#include <algorithm>

#include "platform/sim/SimDesktop.h"

namespace tx80 {

SimWindowHost::SimWindowHost(SimDesktop& desktop, SimWindowSystem& system, fw::Dialog& dialog, bool modal,
                             WindowHost* owner)
    : desktop_(desktop), system_(system), dialog_(dialog), modal_(modal), owner_(owner) {
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
  invalid_ = true;
}

void SimWindowHost::InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool) {
  if (destroyed_) return;
  std::lock_guard lock(mutex_);
  invalidRegion_ = rectangles;
  ++invalidations_;
  invalid_ = true;
}

void SimWindowHost::UpdateNow() {
  if (invalid_ && !destroyed_) Paint();
}

const SimCanvas* SimWindowHost::Paint() {
  invalid_ = false;
  if (destroyed_) return nullptr;
  const auto [width, height] = Size();
  auto canvas = std::make_unique<SimCanvas>(width, height);
  ++paints_;
  lastPaint_ = dialog_.OnPaint(*canvas) ? std::move(canvas) : nullptr;
  return lastPaint_.get();
}

void SimWindowHost::Idle() {
  PumpPosted();
  if (invalid_ && !destroyed_) Paint();
}

bool SimWindowHost::MeasureMenuItem(uintptr_t itemData, fw::Size& size) {
  return !destroyed_ && dialog_.OnMeasureMenuItem(itemData, size);
}

bool SimWindowHost::DrawMenuItem(const fw::MenuItemDraw& item, fw::Canvas& canvas) {
  return !destroyed_ && dialog_.OnDrawMenuItem(item, canvas);
}

void SimWindowHost::MoveTo(int x, int y) {
  if (enabled_) Deliver(fw::Message{fw::msg::kMouseMove, 0, fw::PackPoint(x, y), true});
}

void SimWindowHost::Press(int x, int y) {
  MoveTo(x, y);
  if (enabled_) Deliver(fw::Message{fw::msg::kLButtonDown, 1, fw::PackPoint(x, y), true});
}

void SimWindowHost::Release(int x, int y) {
  MoveTo(x, y);
  if (enabled_) Deliver(fw::Message{fw::msg::kLButtonUp, 0, fw::PackPoint(x, y), true});
}

void SimWindowHost::Click(int x, int y) {
  Press(x, y);
  Release(x, y);
}

std::vector<fw::Rect> SimWindowHost::InvalidRegion() const {
  std::lock_guard lock(mutex_);
  return invalidRegion_;
}

void SimWindowHost::Show(ShowMode mode) {
  const bool shows = mode != ShowMode::Hide;
  if (!destroyed_ && shows != IsVisible()) dialog_.Dispatch(fw::Message{fw::msg::kShowWindow, shows ? 1u : 0u, 0, true});
  std::lock_guard lock(mutex_);
  lastShow_ = mode;
  switch (mode) {
    case ShowMode::Show:
      visible_ = true;
      break;
    case ShowMode::Hide:
      visible_ = false;
      break;
    case ShowMode::Minimize:
      visible_ = minimized_ = true;
      break;
    case ShowMode::Restore:
      visible_ = true;
      minimized_ = false;
      break;
  }
}

bool SimWindowHost::IsMinimized() {
  std::lock_guard lock(mutex_);
  return minimized_;
}

bool SimWindowHost::IsVisible() {
  std::lock_guard lock(mutex_);
  return visible_ && !destroyed_;
}

fw::Rect SimWindowHost::ScreenRect() {
  std::lock_guard lock(mutex_);
  return {position_.x, position_.y, position_.x + size_.first, position_.y + size_.second};
}

void SimWindowHost::Move(const fw::Rect& rect) {
  {
    std::lock_guard lock(mutex_);
    position_ = {rect.left, rect.top};
    size_ = {rect.Width(), rect.Height()};
  }
  Invalidate(true);
}

intptr_t SimWindowHost::Send(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  if (destroyed_) return 0;
  return dialog_.Dispatch(fw::Message{id, wParam, lParam, true}).value_or(0);
}

void SimWindowHost::SendDeviceChange(uintptr_t event, const fw::DeviceBroadcast& broadcast) {
  if (!destroyed_) dialog_.OnDeviceChange(event, &broadcast);
}

void SimWindowHost::EndModal(int result) {
  if (!modal_) {
    Show(ShowMode::Hide);
    return;
  }
  modalResult_ = result;
  Destroy();
}

void SimWindowHost::Destroy() {
  if (destroyed_.exchange(true)) return;
  // Before the window goes, so that activation returns to the owner.
  if (disabledOwner_) disabledOwner_->enabled_ = true;
  disabledOwner_ = nullptr;
  desktop_.RemoveWindow(this);
  system_.Ended(*this);
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
  if (!destroyed_) system_.Post(*this, fw::Message{id, wParam, lParam, true});
}

bool SimWindowHost::Deliver(const fw::Message& message) {
  if (destroyed_ || system_.PreTranslate(*this, message) || destroyed_) return false;
  if (message.forDialogOrChild) dialog_.Dispatch(message);
  return true;
}

std::optional<std::u16string> SimWindowHost::Request(std::u16string_view request) {
  if (destroyed_) return std::nullopt;
  return dialog_.OnRequest(request);
}

void SimWindowHost::PumpPosted() {
  while (!destroyed_) {
    const auto next = system_.TakePosted(this);
    if (!next) return;
    Deliver(next->message);
  }
}

std::vector<fw::Message> SimWindowHost::Queued() const { return system_.QueuedFor(*this); }

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

SimWindowHost& SimWindowSystem::Make(fw::Dialog& dialog, bool modal, WindowHost* owner) {
  windows_.push_back(std::make_unique<SimWindowHost>(desktop_, *this, dialog, modal, owner));
  SimWindowHost& window = *windows_.back();
  dialog.Attach(&window);
  dialog.OnInitDialog();
  return window;
}

void SimWindowSystem::StartLoop(SimWindowHost& window) {
  running_.push_back(&window);
  if (!window.dialog_.StartsHidden()) window.Show(ShowMode::Show);
}

SimWindowHost& SimWindowSystem::Open(fw::Dialog& dialog) {
  SimWindowHost& window = Make(dialog, true, nullptr);
  if (!window.Destroyed()) StartLoop(window);
  return window;
}

int SimWindowSystem::RunModal(fw::Dialog& dialog) {
  modalTemplates.push_back(dialog.TemplateId());
  SimWindowHost* owner = Innermost();
  SimWindowHost& window = Make(dialog, true, owner);
  if (window.Destroyed()) return window.ModalResult().value_or(0);  // ended in its own OnInitDialog
  if (owner && owner->enabled_) {
    owner->enabled_ = false;
    window.disabledOwner_ = owner;
  }
  StartLoop(window);
  PumpPosted();
  ++modalDepth_;
  if (!window.Destroyed()) {
    if (const auto script = onModal.find(dialog.TemplateId()); script != onModal.end()) {
      script->second(window);
    } else if (whileModal && modalDepth_ == 1) {
      whileModal(window);
    }
  }
  --modalDepth_;
  PumpPosted();
  window.Destroy();
  return window.ModalResult().value_or(0);
}

WindowHost* SimWindowSystem::CreateModeless(fw::Dialog& dialog, WindowHost* owner) {
  SimWindowHost& window = Make(dialog, false, owner);
  if (!window.Destroyed()) window.Show(ShowMode::Hide);  // hidden until shown, like a template without WS_VISIBLE
  return &window;
}

void SimWindowSystem::PumpPosted() {
  while (const auto next = TakePosted(nullptr)) next->window->Deliver(next->message);
}

SimWindowHost* SimWindowSystem::Innermost() const { return running_.empty() ? nullptr : running_.back(); }

bool SimWindowSystem::PreTranslate(SimWindowHost& window, const fw::Message& message) {
  SimWindowHost* loop = Innermost();
  fw::Dialog& dialog = loop ? loop->dialog_ : window.dialog_;
  fw::Message seen = message;
  seen.forDialogOrChild = message.forDialogOrChild && (!loop || loop == &window);
  return dialog.HasWindow() && dialog.PreTranslateMessage(seen);
}

void SimWindowSystem::Post(SimWindowHost& window, const fw::Message& message) {
  std::lock_guard lock(postedMutex_);
  posted_.push_back({&window, message});
}

std::optional<SimWindowSystem::Posted> SimWindowSystem::TakePosted(const SimWindowHost* window) {
  std::lock_guard lock(postedMutex_);
  // What was posted to a window that is gone is never delivered.
  std::erase_if(posted_, [](const Posted& p) { return p.window->Destroyed(); });
  const auto next = std::find_if(posted_.begin(), posted_.end(),
                                 [window](const Posted& p) { return !window || p.window == window; });
  if (next == posted_.end()) return std::nullopt;
  Posted taken = *next;
  posted_.erase(next);
  return taken;
}

std::vector<fw::Message> SimWindowSystem::QueuedFor(const SimWindowHost& window) const {
  std::lock_guard lock(postedMutex_);
  std::vector<fw::Message> queued;
  for (const Posted& p : posted_)
    if (p.window == &window) queued.push_back(p.message);
  return queued;
}

void SimWindowSystem::Ended(SimWindowHost& window) { std::erase(running_, &window); }

WindowHost* SimWindowSystem::FindByCaption(std::u16string_view caption) { return desktop_.FindWindow(caption); }

SimWindowHost* SimWindowSystem::HostOf(WindowHost* host) {
  for (const auto& window : windows_)
    if (window.get() == host) return window.get();
  return nullptr;
}

std::u16string SimWindowSystem::LoadResourceString(int id) {
  return id == 101 ? u"&About NRV_VIruvi..." : u"";
}

}  // namespace tx80
