#include "app/AppContext.h"

#include "functions/BlinkThread.h"
#include "ui/OnScreenNotice.h"

namespace tx80 {

AppPaths::AppPaths(std::filesystem::path directory)
    : programFile(directory / "TX80.exe"),
      programDirectory(std::move(directory)),
      settingsDirectory(programDirectory),
      configPath(programDirectory / "config.ini"),
      skinsDirectory(programDirectory / "skins") {}

AppContext::AppContext(Platform& platform_, std::filesystem::path programDirectory)
    : platform(platform_), paths(std::move(programDirectory)) {}

AssignListParts AppContext::AssignLists() {
  return {ui.assignList,  ui.skin,           ui.pictures,     paths.skinsDirectory, profile,
          macros,         platform.windows,  platform.images, platform.clock,       mainWindow};
}

ButtonReportReader AppContext::Reader() {
  return ButtonReportReader(driver, profile, platform.hid, platform.clock, platform.threads);
}

FunctionExecutor AppContext::Executor() {
  return FunctionExecutor(applyTarget, macros, platform.input, platform.clock, platform.shell, elevatedTargets);
}

void AppContext::StartBlinkThread() {
  tx80::StartBlinkThread(driver, platform.threads, platform.clock, [this] { return ui.CurrentPage == Page::Main; });
}

void AppContext::ShowNotice(OnScreenNotice notice) { PostOnScreenNotice(mainWindow, notice); }

void AppContext::TellElevatedTarget(std::u16string program) {
  {
    std::lock_guard lock(elevatedNoticeLock);
    elevatedNoticeProgram = std::move(program);
  }
  mainWindow.Post(kElevatedTargetMessage, 0, 0);
}

void AppContext::ReportSave(const std::filesystem::path& file, bool saved) {
  if (!saveFailures.Record(file, saved)) return;
  mainWindow.Post(kSaveFailedMessage, 0, 0);
}

}  // namespace tx80
