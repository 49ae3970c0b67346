#include "app/StartWithWindows.h"

#include <cstdint>

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

namespace {
// The approval's first byte is even while enabled (02, 06) and odd once the
// user disabled the entry (03, 07); the rest is when that was done.
bool DisabledByUser(AutoStart& autoStart) {
  const auto approval = autoStart.ReadApproval(kAutoStartName);
  return approval && !approval->empty() && (static_cast<uint8_t>((*approval)[0]) & 1) != 0;
}
}  // namespace

bool StartsWithWindows(AutoStart& autoStart) {
  return autoStart.Read(kAutoStartName).has_value() && !DisabledByUser(autoStart);
}

bool SetStartWithWindows(AutoStart& autoStart, const std::filesystem::path& programFile, bool on) {
  if (!on) return autoStart.Remove(kAutoStartName);
  // Without an approval the system starts the entry.
  return autoStart.Write(kAutoStartName, AutoStartCommand(programFile)) &&
         (!DisabledByUser(autoStart) || autoStart.RemoveApproval(kAutoStartName));
}

void FollowMovedProgram(AutoStart& autoStart, const std::filesystem::path& programFile) {
  const auto command = autoStart.Read(kAutoStartName);
  const std::u16string wanted = AutoStartCommand(programFile);
  if (command && *command != wanted) autoStart.Write(kAutoStartName, wanted);
}

}  // namespace tx80
