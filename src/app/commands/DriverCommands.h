#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "app/commands/Command.h"
#include "app/commands/CommandResult.h"

namespace tx80 {

struct AppContext;

// What a restore needs of the main window once the files are saved: it reads
// them again as its start did (language, macros, options, per-game rules).
using ReloadSettings = std::function<void()>;

// A command carried out by the running driver, on the UI thread. One that
// needs the mouse does nothing while it is absent; one that fails changes
// nothing.
CommandResult CarryOutCommand(AppContext& context, const Command& command, const ReloadSettings& reloadSettings);
// A request from another copy of the program, and the reply to it.
std::u16string AnswerRequest(AppContext& context, std::u16string_view request, const ReloadSettings& reloadSettings);

// /status: one "name: value" line each, the same names in both languages,
// for scripts to read.
std::u16string StatusText(AppContext& context);

}  // namespace tx80
