#pragma once
#include "app/commands/Command.h"

namespace tx80 {

struct AppContext;

// A copy of the program started with a command line that is not a plain
// start: carries it out, prints what came of it on the starter's console and
// returns the exit code. `driverRunning`: another copy holds the program's
// mutex; it gets the command through its main window. /help, and /backup and
// /restore with no copy running, are carried out here, on the files.
int RunCommandLine(AppContext& context, const ParsedCommandLine& commandLine, bool driverRunning);

}  // namespace tx80
