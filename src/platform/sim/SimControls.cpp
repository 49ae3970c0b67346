#include "platform/sim/SimControls.h"

#include <algorithm>

#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"

namespace tx80 {

namespace {
constexpr uintptr_t kScrollLineUp = 0;
constexpr uintptr_t kScrollLineDown = 1;

// The order a sorted list keeps: without regard to case, as the system's lists.
std::u16string SortKey(std::u16string_view text) {
  std::u16string key(text);
  for (auto& c : key)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return key;
}
}  // namespace

bool SimControl::HasFocus() const { return owner_.Focus() == this; }

void SimControl::TakeFocus() {
  if (!destroyed_) owner_.SetFocus(this);
}

void SimControl::ReleaseFocus() {
  if (HasFocus()) owner_.SetFocus(nullptr);
}

// --- list box ---

SimListBox::SimListBox(SimChildControls& owner, fw::ListBox& control, fw::Dialog& parent,
                       const fw::ControlLayout& layout)
    : SimControl(owner, layout), control_(&control), parent_(parent) {}

int SimListBox::Count() { return static_cast<int>(lines_.size()); }

std::u16string SimListBox::Text(int line) {
  if (line < 0 || line >= Count()) return {};
  return lines_[static_cast<size_t>(line)];
}

int SimListBox::AddString(std::u16string_view text) {
  if (!(layout_.style & fw::style::kListSort)) return InsertString(-1, text);
  const auto key = SortKey(text);
  int line = 0;
  while (line < Count() && SortKey(lines_[static_cast<size_t>(line)]) <= key) ++line;
  return InsertString(line, text);
}

int SimListBox::InsertString(int line, std::u16string_view text) {
  if (line < 0) line = Count();
  if (line > Count()) return -1;
  lines_.insert(lines_.begin() + line, std::u16string(text));
  if (selection_ >= line) ++selection_;
  return line;
}

void SimListBox::DeleteString(int line) {
  if (line < 0 || line >= Count()) return;
  lines_.erase(lines_.begin() + line);
  if (selection_ == line)
    selection_ = -1;
  else if (selection_ > line)
    --selection_;
  top_ = std::clamp(top_, 0, std::max(0, Count() - 1));
}

int SimListBox::CurSel() { return selection_; }

void SimListBox::SetCurSel(int line) {
  selection_ = (line >= 0 && line < Count()) ? line : -1;
  ShowSelection();
}

int SimListBox::ItemHeight() { return kItemHeight; }

int SimListBox::TopIndex() { return top_; }

fw::Rect SimListBox::ItemRect(int line) {
  const int y = (line - top_) * kItemHeight;
  return {0, y, layout_.rect.Width(), y + kItemHeight};
}

fw::Rect SimListBox::ClientRectOnScreen() {
  const fw::Point origin = owner_.parentOrigin;
  return {origin.x + layout_.rect.left, origin.y + layout_.rect.top, origin.x + layout_.rect.right,
          origin.y + layout_.rect.bottom};
}

void SimListBox::Destroy() {
  if (destroyed_) return;
  // Children go first, while this window can still hear from them.
  while (!editors_.empty()) editors_.back()->Destroy();
  ReleaseFocus();
  if (destroyed_) return;
  destroyed_ = true;
  control_->Attach(nullptr);
  control_ = nullptr;
  owner_.Destroyed(*this);
}

intptr_t SimListBox::Default(const fw::Message& message) {
  if (message.id == fw::msg::kVScroll) {
    const auto request = message.wParam & 0xFFFF;
    if (request == kScrollLineUp) top_ = std::max(0, top_ - 1);
    if (request == kScrollLineDown) top_ = std::min(std::max(0, Count() - VisibleLines()), top_ + 1);
  }
  return 0;
}

intptr_t SimListBox::SendToParent(const fw::Message& message) { return parent_.Dispatch(message).value_or(0); }

bool SimListBox::CreateEditor(fw::Edit& editor, const fw::ControlLayout& layout) {
  if (destroyed_) return false;
  editors_.push_back(&owner_.AddEdit(editor, nullptr, this, layout));
  return true;
}

intptr_t SimListBox::Deliver(const fw::Message& message) { return control_ ? control_->WindowProc(message) : 0; }

void SimListBox::Click(int line) {
  if (destroyed_) return;
  TakeFocus();
  SetCurSel(line);
  if (layout_.style & fw::style::kListNotify)
    SendToParent({fw::msg::kCommand,
                  static_cast<uintptr_t>(layout_.id) | (static_cast<uintptr_t>(fw::kListSelChange) << 16), 0});
}

void SimListBox::ScrollDown() { Deliver({fw::msg::kVScroll, kScrollLineDown, 0}); }

SimEdit* SimListBox::Editor() const { return editors_.empty() ? nullptr : editors_.back(); }

void SimListBox::ShowSelection() {
  if (selection_ < 0) return;
  if (selection_ < top_) top_ = selection_;
  if (selection_ >= top_ + VisibleLines()) top_ = selection_ - VisibleLines() + 1;
}

int SimListBox::VisibleLines() const { return std::max(1, layout_.rect.Height() / kItemHeight); }

// --- edit ---

SimEdit::SimEdit(SimChildControls& owner, fw::Edit& control, fw::Dialog* parentDialog, SimListBox* parentList,
                 const fw::ControlLayout& layout)
    : SimControl(owner, layout), control_(&control), parentDialog_(parentDialog), parentList_(parentList) {}

void SimEdit::SetText(std::u16string_view text) {
  text_ = text;
  allSelected_ = false;
}

void SimEdit::Destroy() {
  if (destroyed_) return;
  ReleaseFocus();  // the window hears of it while it still exists
  if (destroyed_) return;  // and may have destroyed itself then
  destroyed_ = true;
  control_->Attach(nullptr);
  control_ = nullptr;
  if (parentList_) std::erase(parentList_->editors_, this);
  owner_.Destroyed(*this);
}

intptr_t SimEdit::Default(const fw::Message& message) {
  if (message.id == fw::msg::kChar && message.wParam >= 0x20) {
    if (allSelected_) text_.clear();
    allSelected_ = false;
    text_.push_back(static_cast<char16_t>(message.wParam));
  }
  return 0;
}

intptr_t SimEdit::SendToParent(const fw::Message& message) {
  if (parentList_) return parentList_->Send(message);
  return parentDialog_ ? parentDialog_->Dispatch(message).value_or(0) : 0;
}

intptr_t SimEdit::Deliver(const fw::Message& message) { return control_ ? control_->WindowProc(message) : 0; }

void SimEdit::Type(std::u16string_view text) {
  for (char16_t c : text) Deliver({fw::msg::kChar, c, 0});
}

void SimEdit::KeyUp(uint8_t virtualKey) { Deliver({fw::msg::kKeyUp, virtualKey, 0}); }

// --- the set of them ---

bool SimChildControls::CreateListBox(fw::Dialog& parent, fw::ListBox& control, const fw::ControlLayout& layout) {
  auto list = std::make_unique<SimListBox>(*this, control, parent, layout);
  control.Attach(list.get());
  controls_.push_back(std::move(list));
  created_.push_back(layout.id);
  return true;
}

bool SimChildControls::CreateEdit(fw::Dialog& parent, fw::Edit& control, const fw::ControlLayout& layout) {
  AddEdit(control, &parent, nullptr, layout);
  return true;
}

bool SimChildControls::AttachListBox(fw::Dialog& parent, fw::ListBox& control, int itemId) {
  return parent.HasWindow() && CreateListBox(parent, control, {.rect = {}, .id = itemId, .style = fw::style::kListNotify});
}

bool SimChildControls::AttachEdit(fw::Dialog& parent, fw::Edit& control, int itemId) {
  return parent.HasWindow() && CreateEdit(parent, control, {.rect = {}, .id = itemId});
}

SimEdit& SimChildControls::AddEdit(fw::Edit& control, fw::Dialog* parentDialog, SimListBox* parentList,
                                   const fw::ControlLayout& layout) {
  auto edit = std::make_unique<SimEdit>(*this, control, parentDialog, parentList, layout);
  SimEdit& made = *edit;
  control.Attach(edit.get());
  controls_.push_back(std::move(edit));
  created_.push_back(layout.id);
  return made;
}

SimListBox* SimChildControls::ListBox(int id) const {
  for (auto& control : controls_)
    if (auto* list = dynamic_cast<SimListBox*>(control.get()); list && !list->Destroyed() && list->Layout().id == id)
      return list;
  return nullptr;
}

SimEdit* SimChildControls::Edit(int id) const {
  for (auto& control : controls_)
    if (auto* edit = dynamic_cast<SimEdit*>(control.get()); edit && !edit->Destroyed() && edit->Layout().id == id)
      return edit;
  return nullptr;
}

void SimChildControls::SetFocus(SimControl* control) {
  SimControl* old = focus_;
  if (old == control) return;
  focus_ = control;
  if (old && !old->Destroyed()) old->Deliver({fw::msg::kKillFocus, 0, 0});
}

void SimChildControls::Destroyed(SimControl& control) { destroyedIds_.push_back(control.Layout().id); }

}  // namespace tx80
