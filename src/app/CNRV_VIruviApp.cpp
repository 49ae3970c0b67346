#include "app/CNRV_VIruviApp.h"

#include "app/AppContext.h"
#include "app/CNRV_VIruviDlg.h"
#include "profile/Captions.h"
#include "app/CommandLine.h"
#include "app/SettingsFolder.h"

namespace tx80 {

bool CNRV_VIruviApp::InitInstance() {
  Platform& os = context_.platform;
  if (os.singleInstance.AlreadyRunning(u"CNRV_VIruviApp")) {
    // The running copy may show either language.
    if (!os.singleInstance.RestoreWindow(kCaptionEnglish)) os.singleInstance.RestoreWindow(kCaptionChinese);
    os.singleInstance.Release();
    return false;
  }
  PlaceSettings(os.files, context_.paths);
  os.windows.InitializeControls();
  CNRV_VIruviDlg dialog(context_, StartsInTray(commandLine_));
  os.windows.RunModal(dialog);
  return false;
}

}  // namespace tx80
