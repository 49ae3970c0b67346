#include "macro/CEditableListBox.h"

#include <string>

#include "framework/ControlStyles.h"
#include "platform/ControlHosts.h"

namespace tx80 {

namespace {
// The editor stands 2 pixels above and below the line, so its frame does not
// cover the text.
constexpr int kEditorMargin = 2;
}  // namespace

intptr_t CEditHelper::WindowProc(const fw::Message& message) {
  if (message.id == fw::msg::kKeyUp && message.wParam == fw::vk::kReturn) {
    SendToParent(kEndEditMessage, 1, 0);
  } else if (message.id == fw::msg::kKeyUp && message.wParam == fw::vk::kEscape) {
    SendToParent(kEndEditMessage, 0, 0);
  } else if (message.id == fw::msg::kKillFocus) {
    SendToParent(kEndEditMessage, 1, 0);
  }
  return Default(message);
}

CEditableListBox::~CEditableListBox() { edit_.DestroyWindow(); }

intptr_t CEditableListBox::WindowProc(const fw::Message& message) {
  switch (message.id) {
    case fw::msg::kChar:
      if (message.wParam == 1) BeginEdit();
      return Default(message);
    case fw::msg::kHScroll:
    case fw::msg::kVScroll:
      EndEdit(true);
      return Default(message);
    case fw::msg::kSize: {
      const intptr_t result = Default(message);
      EndEdit(true);
      return result;
    }
    case kEndEditMessage:
      EndEdit(message.wParam != 0);
      return 0;
    default:
      return Default(message);
  }
}

void CEditableListBox::BeginEdit() {
  // Without a selected line there is nothing to edit; an edit already open stays.
  const int line = CurSel();
  if (line < 0 || line >= Count() || edit_.HasWindow() || !host()) return;
  fw::Rect rect = ItemRect(line);
  rect.top -= kEditorMargin;
  rect.bottom += kEditorMargin;
  const fw::ControlLayout layout{rect, CEditHelper::kId,
                             fw::style::kChild | fw::style::kVisible | fw::style::kBorder |
                                 fw::style::kEditAutoHScroll,
                             fw::style::kExClientEdge};
  if (!host()->CreateEditor(edit_, layout)) return;
  edit_.SetText(Text(line));
  edit_.SelectAll();
  edit_.SetFocus();
  editIndex_ = line;
}

void CEditableListBox::EndEdit(bool keep) {
  if (!edit_.HasWindow() || closing_) return;
  closing_ = true;
  if (keep && editIndex_ != -1) {
    const std::u16string old = Text(editIndex_);
    const std::u16string typed = edit_.Text();
    if (old != typed) {
      DeleteString(editIndex_);
      editIndex_ = (Style() & fw::style::kListSort) ? AddString(typed) : InsertString(editIndex_, typed);
      SetCurSel(editIndex_);
      if (Style() & fw::style::kListNotify)
        SendToParent(kLineEditedMessage, static_cast<uintptr_t>(editIndex_),
                     reinterpret_cast<intptr_t>(old.c_str()));
    }
  }
  editIndex_ = -1;
  edit_.DestroyWindow();
  closing_ = false;
  SendToParent(kEditorClosedMessage, 0, 0);
}

}  // namespace tx80
