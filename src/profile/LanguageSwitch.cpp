#include "profile/LanguageSwitch.h"

#include "app/AppContext.h"
#include "app/Captions.h"
#include "framework/Dialog.h"
#include "macro/MacroFile.h"
#include "macro/MacroPage.h"
#include "platform/WindowHost.h"
#include "profile/SettingsFile.h"
#include "ui/ProgramMenus.h"

namespace tx80 {

namespace {
constexpr uint8_t kAdvancedPage = 1;
}  // namespace

std::filesystem::path MacroFilePath(const std::filesystem::path& programDirectory, int32_t languageFlag) {
  return programDirectory / (languageFlag ? "Macro_EN.dat" : "Macro_CN.dat");
}

void SwitchLanguage(AppContext& context, const LanguageSwitchTarget& target, int32_t language) {
  Platform& os = context.platform;
  context.profile.SetLanguageFlag(language);
  const std::filesystem::path& config = context.paths.configPath;
  context.ReportSave(config, WriteLanguage(os.files, config, language));

  LoadSkins(target.skinContext(), context.skin);
  // A missing layout file has run the closing sequence: the program is ending.
  if (!target.mainWindow.HasWindow()) return;
  WindowHost& window = target.mainWindow.Host();
  // The pictures are the same for both languages, but a skin reload reads its
  // files again, so a page always shows what its files hold now.
  context.pictures.Clear();

  context.paths.macroFilePath = MacroFilePath(context.paths.programDirectory, language);
  LoadMacroFile(os.files, context.macros, context.paths.macroFilePath, os.dialogs, &window);
  if (context.flags.CurrentPage == kAdvancedPage) {
    target.macroPage.RefreshMacroList();
    window.Invalidate(true);
  }

  LoadPopupMenus(context.menus, language);
  window.SetCaption(MainCaption(language));
}

}  // namespace tx80
