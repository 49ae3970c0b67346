#include "framework/MainWindowRef.h"

#include "platform/WindowHost.h"

namespace tx80 {

void MainWindowRef::Set(WindowHost* host) {
  std::lock_guard lock(mutex_);
  host_ = host;
}

// Both calls only queue work for the window's thread, so holding the lock
// across them cannot wait on that thread.
void MainWindowRef::Invalidate() {
  std::lock_guard lock(mutex_);
  if (host_) host_->Invalidate(true);
}

void MainWindowRef::Post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
  std::lock_guard lock(mutex_);
  if (host_) host_->Post(id, wParam, lParam);
}

}  // namespace tx80
