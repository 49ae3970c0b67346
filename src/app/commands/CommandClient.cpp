#include "app/commands/CommandClient.h"

#include <filesystem>
#include <system_error>

#include "app/AppContext.h"
#include "app/commands/CommandResult.h"
#include "app/commands/CommandTexts.h"
#include "app/commands/SettingsCommands.h"
#include "profile/Captions.h"
#include "profile/SettingsFile.h"

namespace tx80 {

namespace {

// The running copy has another working folder: it gets the file's full path.
Command WithFullPath(Command command) {
  if (command.file.empty()) return command;
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(command.file), error);
  if (!error) command.file = full.u16string();
  return command;
}

CommandResult SendToDriver(SingleInstance& instance, const Command& command, int32_t language) {
  const std::u16string request = RequestText(command);
  // The running copy may show either language.
  auto reply = instance.SendRequest(kCaptionEnglish, request);
  if (!reply) reply = instance.SendRequest(kCaptionChinese, request);
  // A copy whose window is not up yet, or hung, cannot take the command.
  const auto result = reply ? ParseReply(*reply) : std::nullopt;
  if (!result) return {exit_code::kNotRunning, NotRunningText(language)};
  return *result;
}

CommandResult CarryOutOnFiles(AppContext& context, const Command& command, int32_t language) {
  const SettingsFiles settings = SettingsFilesOf(context.paths);
  FileStore& files = context.platform.files;
  if (command.kind == Command::Kind::Backup) return BackUpSettings(files, settings, command.file, language);
  const RestoredSettings restored = RestoreSettings(files, settings, command.file, language);
  if (restored.refused) return *restored.refused;
  return {exit_code::kDone, RestoredText(command.file, 0, ReadLanguage(files, context.paths.configPath))};
}

CommandResult Run(AppContext& context, const ParsedCommandLine& commandLine, bool driverRunning, int32_t language) {
  if (const auto* bad = std::get_if<BadCommandLine>(&commandLine))
    return {exit_code::kRefused, BadCommandLineText(*bad, language)};
  const Command command = WithFullPath(std::get<Command>(commandLine));
  if (command.kind == Command::Kind::Help) return {exit_code::kDone, HelpText(language)};
  if (driverRunning) return SendToDriver(context.platform.singleInstance, command, language);
  if (NeedsRunningDriver(command)) return {exit_code::kNotRunning, NotRunningText(language)};
  return CarryOutOnFiles(context, command, language);
}

}  // namespace

int RunCommandLine(AppContext& context, const ParsedCommandLine& commandLine, bool driverRunning) {
  const int32_t language = ReadLanguage(context.platform.files, context.paths.configPath);
  const CommandResult result = Run(context, commandLine, driverRunning, language);
  context.platform.console.Write(result.output);
  return result.exitCode;
}

}  // namespace tx80
