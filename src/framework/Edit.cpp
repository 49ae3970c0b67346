#include "framework/Edit.h"

#include "platform/ControlHosts.h"

namespace fw {

Edit::~Edit() {
  if (host_) host_->Destroy();
}

std::u16string Edit::Text() const { return host_ ? host_->Text() : std::u16string(); }

void Edit::SetText(std::u16string_view text) {
  if (host_) host_->SetText(text);
}

void Edit::Enable(bool enabled) {
  if (host_) host_->Enable(enabled);
}

bool Edit::IsEnabled() const { return host_ && host_->IsEnabled(); }

void Edit::SetFocus() {
  if (host_) host_->SetFocus();
}

void Edit::SelectAll() {
  if (host_) host_->SelectAll();
}

void Edit::DestroyWindow() {
  if (host_) host_->Destroy();
}

intptr_t Edit::Send(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  return host_ ? host_->Send(Message{id, wParam, lParam}) : 0;
}

intptr_t Edit::Default(const Message& message) { return host_ ? host_->Default(message) : 0; }

intptr_t Edit::SendToParent(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  return host_ ? host_->SendToParent(Message{id, wParam, lParam}) : 0;
}

}  // namespace fw
