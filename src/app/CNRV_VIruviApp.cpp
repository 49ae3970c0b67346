#include "app/CNRV_VIruviApp.h"

#include "app/AppContext.h"
#include "app/CNRV_VIruviDlg.h"
#include "profile/Captions.h"
#include "app/CommandLine.h"
#include "app/commands/CommandClient.h"
#include "app/SettingsFolder.h"

namespace tx80 {

bool CNRV_VIruviApp::InitInstance() {
  Platform& os = context_.platform;
  const ParsedCommandLine commandLine = ParseCommandLine(commandLine_);
  if (!std::holds_alternative<ProgramStart>(commandLine)) {
    // A bad command line is refused before anything else is touched.
    const bool bad = std::holds_alternative<BadCommandLine>(commandLine);
    const bool driverRunning = !bad && os.singleInstance.AlreadyRunning(u"CNRV_VIruviApp");
    // Without a driver the command works on the files where a start would find them.
    if (!bad && !driverRunning) PlaceSettings(os.files, context_.paths);
    exitCode_ = RunCommandLine(context_, commandLine, driverRunning);
    os.singleInstance.Release();
    return false;
  }
  if (os.singleInstance.AlreadyRunning(u"CNRV_VIruviApp")) {
    // The running copy may show either language.
    if (!os.singleInstance.RestoreWindow(kCaptionEnglish)) os.singleInstance.RestoreWindow(kCaptionChinese);
    os.singleInstance.Release();
    return false;
  }
  PlaceSettings(os.files, context_.paths);
  os.windows.InitializeControls();
  CNRV_VIruviDlg dialog(context_, std::get<ProgramStart>(commandLine).inTray);
  os.windows.RunModal(dialog);
  return false;
}

}  // namespace tx80
