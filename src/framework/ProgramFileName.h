#pragma once
#include <string>
#include <string_view>

namespace fw {

// The file name of a program from the full path of its image: what follows the
// last `\` or `/` ("C:\Games\game.exe" gives "game.exe"). Empty when the path
// is empty or ends in a separator: no program to name.
std::u16string ProgramFileName(std::u16string_view imagePath);

}  // namespace fw
