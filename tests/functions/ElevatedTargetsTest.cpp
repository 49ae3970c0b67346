#include "functions/ElevatedTargets.h"

#include <gtest/gtest.h>

#include "platform/sim/SimClock.h"
#include "platform/sim/SimInputInjector.h"

namespace tx80 {
namespace {

using E = Elevation;

TEST(ElevatedTargets, TellsOfAProgramThatCannotGetTheInput) {
  const struct {
    const char* what;
    E own;
    std::optional<InputTarget> front;
    std::optional<std::u16string> told;
  } cases[] = {
      {"elevated program", E::NotElevated, InputTarget{u"C:\\Games\\Launcher.exe", E::Elevated}, u"Launcher.exe"},
      {"not elevated", E::NotElevated, InputTarget{u"C:\\Games\\game.exe", E::NotElevated}, std::nullopt},
      {"token unreadable", E::NotElevated, InputTarget{u"C:\\Games\\anti.exe", E::Unreadable}, u"anti.exe"},
      {"process not even opened", E::NotElevated, InputTarget{u"", E::Unreadable}, u""},
      {"the driver itself elevated", E::Elevated, InputTarget{u"C:\\Games\\Launcher.exe", E::Elevated}, std::nullopt},
      {"own token unreadable", E::Unreadable, InputTarget{u"C:\\Games\\Launcher.exe", E::Elevated}, u"Launcher.exe"},
      {"no window in front", E::NotElevated, std::nullopt, std::nullopt},
  };
  SimClock clock;
  SimInputInjector input(clock);
  for (const auto& c : cases) {
    ElevatedTargets targets;
    input.SetOwnElevation(c.own);
    input.SetForegroundTarget(c.front);
    EXPECT_EQ(targets.NewlyBlocked(input), c.told) << c.what;
  }
}

TEST(ElevatedTargets, OncePerProgramWhateverTheCase) {
  SimClock clock;
  SimInputInjector input(clock);
  ElevatedTargets targets;
  input.SetForegroundTarget(InputTarget{u"C:\\Games\\Launcher.exe", E::Elevated});
  EXPECT_EQ(targets.NewlyBlocked(input), u"Launcher.exe");
  EXPECT_EQ(targets.NewlyBlocked(input), std::nullopt);
  input.SetForegroundTarget(InputTarget{u"D:\\Other\\LAUNCHER.EXE", E::Elevated});
  EXPECT_EQ(targets.NewlyBlocked(input), std::nullopt);
  input.SetForegroundTarget(InputTarget{u"C:\\Games\\game.exe", E::Elevated});
  EXPECT_EQ(targets.NewlyBlocked(input), u"game.exe");
}

}  // namespace
}  // namespace tx80
