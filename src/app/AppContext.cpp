#include "app/AppContext.h"

#include "platform/WindowHost.h"

namespace tx80 {

AppContext::AppContext(Platform& platform_, std::filesystem::path programDirectory)
    : platform(platform_) {
  paths.programDirectory = std::move(programDirectory);
  paths.programFile = paths.programDirectory / "TX80.exe";
}

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

void AppContext::ReportSave(const std::filesystem::path& file, bool saved) {
  if (!saveFailures.Record(file, saved)) return;
  mainWindow.Post(kSaveFailedMessage, 0, 0);
}

void AppContext::RequestStop() {
  stopping = true;
  flags.PressesPosted.fetch_add(1);  // wakes the executor
  flags.PressesPosted.notify_all();
}

}  // namespace tx80
