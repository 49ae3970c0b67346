#include "app/commands/DriverCommands.h"

#include <algorithm>

#include "app/AppContext.h"
#include "app/commands/CommandTexts.h"
#include "app/commands/SettingsCommands.h"
#include "device/ApplyProfile.h"
#include "framework/Decimal.h"

namespace tx80 {

namespace {

std::u16string DriverStateName(AppContext& context) {
  if (!context.driver.device.Connected()) return u"mouse absent";
  return context.driver.flags.DriverActive ? u"active" : u"waiting for the start click";
}

CommandResult SelectDpiLevel(AppContext& context, int32_t level, int32_t language) {
  const auto changed = ChangeDpiLevel(context.applyTarget, [level](const ProfileState& state) {
    // As the DPI buttons, only to a level switched on.
    return state.fields.DPI_SET_EN[level - 1] == 1 ? std::optional<int>(level - 1) : std::nullopt;
  });
  const ProfileState state = context.profile.Snapshot();
  if (!changed) return {exit_code::kRefused, DpiLevelOffText(level, state.CurConfig, language)};
  return {exit_code::kDone, DpiLevelSetText(level, StepResolution(state.ActiveDpiSet[*changed]), language)};
}

CommandResult Restore(AppContext& context, std::u16string_view file, const ReloadSettings& reloadSettings,
                      int32_t language) {
  const RestoredSettings restored =
      RestoreSettings(context.platform.files, SettingsFilesOf(context.paths), file, language);
  if (restored.refused) return *restored.refused;
  reloadSettings();
  SelectAndApplyProfile(context.applyTarget, restored.curConfig);
  return {exit_code::kDone, RestoredText(file, restored.curConfig, context.profile.LanguageFlag())};
}

}  // namespace

CommandResult CarryOutCommand(AppContext& context, const Command& command, const ReloadSettings& reloadSettings) {
  using Kind = Command::Kind;
  const int32_t language = context.profile.LanguageFlag();
  const bool needsMouse = command.kind == Kind::Profile || command.kind == Kind::Dpi || command.kind == Kind::Apply ||
                          command.kind == Kind::Restore;
  if (needsMouse && !context.driver.device.Connected()) return {exit_code::kMouseAbsent, MouseAbsentText(language)};

  CommandResult result;
  switch (command.kind) {
    case Kind::Profile:
      SelectAndApplyProfile(context.applyTarget, command.number);
      result = {exit_code::kDone, ProfileAppliedText(command.number, language)};
      break;
    case Kind::Dpi:
      result = SelectDpiLevel(context, command.number, language);
      break;
    case Kind::Apply:
      ApplyProfile(context.applyTarget);
      result = {exit_code::kDone, ProfileAppliedText(context.profile.CurConfig(), language)};
      break;
    case Kind::Status:
      return {exit_code::kDone, StatusText(context)};
    case Kind::Backup:
      return BackUpSettings(context.platform.files, SettingsFilesOf(context.paths), command.file, language);
    case Kind::Restore:
      result = Restore(context, command.file, reloadSettings, language);
      break;
    case Kind::Help:
      return {exit_code::kDone, HelpText(language)};
  }
  context.Repaint();
  return result;
}

std::u16string AnswerRequest(AppContext& context, std::u16string_view request, const ReloadSettings& reloadSettings) {
  const auto command = ParseRequest(request);
  if (!command) {
    const int32_t language = context.profile.LanguageFlag();
    return ReplyText({exit_code::kRefused, UsageText(language)});
  }
  return ReplyText(CarryOutCommand(context, *command, reloadSettings));
}

std::u16string StatusText(AppContext& context) {
  const ProfileState state = context.profile.Snapshot();
  const int level = DpiLevelInUse(state.fields);
  return u"profile: " + FormatDecimal(state.CurConfig) + u"\n" +
         u"dpi level: " + FormatDecimal(level + 1) + u"\n" +
         u"resolution: " + FormatDecimal(StepResolution(state.ActiveDpiSet[static_cast<std::size_t>(level)])) + u" dpi\n" +
         u"driver: " + DriverStateName(context) + u"\n" +
         u"program folder: " + context.paths.programDirectory.u16string() + u"\n" +
         u"settings folder: " + context.paths.settingsDirectory.u16string() + u"\n";
}

}  // namespace tx80
