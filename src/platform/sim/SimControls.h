#pragma once
#include <memory>
#include <string>
#include <vector>

#include "framework/ControlStyles.h"
#include "framework/Rect.h"
#include "platform/ChildControls.h"
#include "platform/ControlHosts.h"

namespace fw {
class Dialog;
class Edit;
class ListBox;
}  // namespace fw

namespace tx80 {

class SimChildControls;

// What simulated child windows share: their layout, their life, the focus.
class SimControl {
 public:
  SimControl(SimChildControls& owner, const fw::ControlLayout& layout) : owner_(owner), layout_(layout) {}
  virtual ~SimControl() = default;

  const fw::ControlLayout& Layout() const { return layout_; }
  bool Destroyed() const { return destroyed_; }
  bool HasFocus() const;
  // A message through the window procedure of the attached control.
  virtual intptr_t Deliver(const fw::Message& message) = 0;

 protected:
  void TakeFocus();
  void ReleaseFocus();
  SimChildControls& owner_;
  fw::ControlLayout layout_;
  bool destroyed_ = false;
};

class SimEdit;

// A list box: lines, one selection, a scroll position in lines, fixed-height items.
class SimListBox final : public ListBoxHost, public SimControl {
 public:
  SimListBox(SimChildControls& owner, fw::ListBox& control, fw::Dialog& parent, const fw::ControlLayout& layout);

  int Count() override;
  std::u16string Text(int line) override;
  int AddString(std::u16string_view text) override;
  int InsertString(int line, std::u16string_view text) override;
  void DeleteString(int line) override;
  int CurSel() override;
  void SetCurSel(int line) override;
  int ItemHeight() override;
  int TopIndex() override;
  fw::Rect ItemRect(int line) override;
  fw::Rect ClientRectOnScreen() override;
  uint32_t Style() override { return layout_.style; }
  void SetFocus() override { TakeFocus(); }
  void Destroy() override;
  intptr_t Send(const fw::Message& message) override { return Deliver(message); }
  intptr_t Default(const fw::Message& message) override;
  intptr_t SendToParent(const fw::Message& message) override;
  bool CreateEditor(fw::Edit& editor, const fw::ControlLayout& layout) override;
  intptr_t Deliver(const fw::Message& message) override;

  // What a user does: a click on a line (the parent hears of it with
  // kListNotify), a click on the scroll bar's arrows.
  void Click(int line);
  void ScrollDown();

  const std::vector<std::u16string>& Lines() const { return lines_; }
  // The editor window made over this list, if it still exists.
  SimEdit* Editor() const;

  static constexpr int kItemHeight = 16;

 private:
  friend class SimEdit;
  void ShowSelection();
  int VisibleLines() const;

  fw::ListBox* control_;
  fw::Dialog& parent_;
  std::vector<std::u16string> lines_;
  int selection_ = -1;
  int top_ = 0;
  std::vector<SimEdit*> editors_;
};

// An edit control: its text, whether all of it is selected (typing replaces
// it), enabled or not.
class SimEdit final : public EditHost, public SimControl {
 public:
  // The parent is a dialog, or a list box for the in-place editor.
  SimEdit(SimChildControls& owner, fw::Edit& control, fw::Dialog* parentDialog, SimListBox* parentList,
          const fw::ControlLayout& layout);

  std::u16string Text() override { return text_; }
  void SetText(std::u16string_view text) override;
  void Enable(bool enabled) override { enabled_ = enabled; }
  bool IsEnabled() override { return enabled_; }
  void SetFocus() override { TakeFocus(); }
  void SelectAll() override { allSelected_ = true; }
  void Destroy() override;
  intptr_t Send(const fw::Message& message) override { return Deliver(message); }
  intptr_t Default(const fw::Message& message) override;
  intptr_t SendToParent(const fw::Message& message) override;
  intptr_t Deliver(const fw::Message& message) override;

  // What a user does: types characters, releases a key.
  void Type(std::u16string_view text);
  void KeyUp(uint8_t virtualKey);

  bool AllSelected() const { return allSelected_; }

 private:
  fw::Edit* control_;
  fw::Dialog* parentDialog_;
  SimListBox* parentList_;
  std::u16string text_;
  bool enabled_ = true;
  bool allSelected_ = false;
};

// Creates and keeps the simulated child windows of one program, and tracks the
// keyboard focus among them (null: the main window has it).
class SimChildControls final : public ChildControls {
 public:
  bool CreateListBox(fw::Dialog& parent, fw::ListBox& control, const fw::ControlLayout& layout) override;
  bool CreateEdit(fw::Dialog& parent, fw::Edit& control, const fw::ControlLayout& layout) override;
  // A template's items are made on attaching: a list that tells its parent of
  // clicks, an edit, each without a rectangle.
  bool AttachListBox(fw::Dialog& parent, fw::ListBox& control, int itemId) override;
  bool AttachEdit(fw::Dialog& parent, fw::Edit& control, int itemId) override;

  // The live control with this id, or null.
  SimListBox* ListBox(int id) const;
  SimEdit* Edit(int id) const;
  // Ids in the order the windows were made and destroyed.
  const std::vector<int>& CreatedIds() const { return created_; }
  const std::vector<int>& DestroyedIds() const { return destroyedIds_; }

  SimControl* Focus() const { return focus_; }
  // Moves the focus (null: to the main window); the control that loses it is told.
  void SetFocus(SimControl* control);

  // Screen position of the parent dialog's client area.
  fw::Point parentOrigin{};

 private:
  friend class SimListBox;
  friend class SimEdit;
  SimEdit& AddEdit(fw::Edit& control, fw::Dialog* parentDialog, SimListBox* parentList, const fw::ControlLayout& layout);
  void Destroyed(SimControl& control);

  std::vector<std::unique_ptr<SimControl>> controls_;
  std::vector<int> created_;
  std::vector<int> destroyedIds_;
  SimControl* focus_ = nullptr;
};

}  // namespace tx80
