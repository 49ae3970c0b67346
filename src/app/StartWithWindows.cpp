#include "app/StartWithWindows.h"

#include "app/CommandLine.h"
#include "platform/AutoStart.h"

namespace tx80 {

std::u16string AutoStartCommand(const std::filesystem::path& programFile) {
  // Quoted: the folder may hold blanks.
  std::u16string command(1, u'"');
  command += programFile.u16string();
  command += u"\" ";
  command += kTrayStartSwitch;
  return command;
}

bool StartsWithWindows(AutoStart& autoStart) { return autoStart.Read(kAutoStartName).has_value(); }

bool SetStartWithWindows(AutoStart& autoStart, const std::filesystem::path& programFile, bool on) {
  if (on) return autoStart.Write(kAutoStartName, AutoStartCommand(programFile));
  return autoStart.Remove(kAutoStartName);
}

void FollowMovedProgram(AutoStart& autoStart, const std::filesystem::path& programFile) {
  const auto command = autoStart.Read(kAutoStartName);
  const std::u16string wanted = AutoStartCommand(programFile);
  if (command && *command != wanted) autoStart.Write(kAutoStartName, wanted);
}

}  // namespace tx80
