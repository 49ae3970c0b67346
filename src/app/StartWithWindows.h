#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace tx80 {

class AutoStart;

// The program's entry in the user's sign-in start list.
inline constexpr std::u16string_view kAutoStartName = u"TX80";

// What the entry starts: the program, quoted, into the notification area.
std::u16string AutoStartCommand(const std::filesystem::path& programFile);

// The entry is there (whatever it starts) and the user has not disabled it in
// Task Manager or Settings: what the tray menu shows.
bool StartsWithWindows(AutoStart& autoStart);
// Adds the entry for this program, clearing a disabled mark, or removes it;
// false when that failed.
bool SetStartWithWindows(AutoStart& autoStart, const std::filesystem::path& programFile, bool on);
// At start: an entry that starts something else (the program folder was
// moved or renamed) is made to start this program. No entry stays none.
void FollowMovedProgram(AutoStart& autoStart, const std::filesystem::path& programFile);

}  // namespace tx80
