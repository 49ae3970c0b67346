#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tx80 {

// One item of a menu resource as the resource script lists it: a command with
// its id, or a popup with its items.
struct SimMenuTemplate {
  std::u16string text;
  int32_t id = -1;  // -1: a popup
  std::vector<SimMenuTemplate> items;
  bool operator==(const SimMenuTemplate&) const = default;
};

// The items of each menu resource of the program, by resource id: the same
// texts and ids as the resource script that TX80.exe is built with.
std::map<int, std::vector<SimMenuTemplate>> ProgramMenuResources();

}  // namespace tx80
