#include "app/AppContext.h"

#include "platform/WindowHost.h"

namespace tx80 {

AppContext::AppContext(Platform& platform_, std::filesystem::path programDirectory)
    : platform(platform_) {
  paths.programDirectory = std::move(programDirectory);
}

void AppContext::RepaintMainWindow() {
  if (WindowHost* window = mainWindow.load()) window->Invalidate(true);
}

void AppContext::ReportSave(const std::filesystem::path& file, bool saved) {
  if (!saveFailures.Record(file, saved)) return;
  if (WindowHost* window = mainWindow.load()) window->Post(kSaveFailedMessage, 0, 0);
}

void AppContext::RequestStop() {
  stopping = true;
  flags.PressesPosted.fetch_add(1);  // wakes the executor
  flags.PressesPosted.notify_all();
}

}  // namespace tx80
