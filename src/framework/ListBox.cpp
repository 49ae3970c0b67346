#include "framework/ListBox.h"

#include "platform/ControlHosts.h"

namespace fw {

ListBox::~ListBox() {
  if (host_) host_->Destroy();
}

int ListBox::Count() const { return host_ ? host_->Count() : 0; }

std::u16string ListBox::Text(int line) const { return host_ ? host_->Text(line) : std::u16string(); }

int ListBox::AddString(std::u16string_view text) { return host_ ? host_->AddString(text) : -1; }

int ListBox::InsertString(int line, std::u16string_view text) {
  return host_ ? host_->InsertString(line, text) : -1;
}

void ListBox::DeleteString(int line) {
  if (host_) host_->DeleteString(line);
}

void ListBox::DeleteAll() {
  for (int line = Count() - 1; line >= 0; --line) DeleteString(line);
}

int ListBox::CurSel() const { return host_ ? host_->CurSel() : -1; }

void ListBox::SetCurSel(int line) {
  if (host_) host_->SetCurSel(line);
}

int ListBox::ItemHeight() const { return host_ ? host_->ItemHeight() : 0; }

int ListBox::TopIndex() const { return host_ ? host_->TopIndex() : 0; }

Rect ListBox::ItemRect(int line) const { return host_ ? host_->ItemRect(line) : Rect{}; }

Rect ListBox::ClientRectOnScreen() const { return host_ ? host_->ClientRectOnScreen() : Rect{}; }

uint32_t ListBox::Style() const { return host_ ? host_->Style() : 0; }

void ListBox::SetFocus() {
  if (host_) host_->SetFocus();
}

void ListBox::DestroyWindow() {
  if (host_) host_->Destroy();
}

intptr_t ListBox::Send(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  return host_ ? host_->Send(Message{id, wParam, lParam}) : 0;
}

intptr_t ListBox::Default(const Message& message) { return host_ ? host_->Default(message) : 0; }

intptr_t ListBox::SendToParent(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  return host_ ? host_->SendToParent(Message{id, wParam, lParam}) : 0;
}

}  // namespace fw
