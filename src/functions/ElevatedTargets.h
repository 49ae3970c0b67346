#pragma once
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/InputInjector.h"

namespace tx80 {

// Windows drops, without a word, the input this program injects into a
// program that runs as administrator while this one does not. Before a
// function or macro injects, this names the program in front whose input
// would be lost, once per program, so that the user can be told why nothing
// happens there.
class ElevatedTargets {
 public:
  // The file name of the program in front ("game.exe", empty when it cannot
  // be named) when injected input will not reach it and the user has not been
  // told of it before; nothing otherwise. A process whose token cannot even
  // be read is taken for elevated. Any thread.
  std::optional<std::u16string> NewlyBlocked(InputInjector& input);

 private:
  std::mutex mutex_;
  std::optional<Elevation> ownElevation_;
  std::vector<std::u16string> told_;  // lower case: Windows names ignore case
};

}  // namespace tx80
