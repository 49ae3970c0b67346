#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Utf.h"
#include "platform/sim/SimMenuResources.h"
#include "support/TempDir.h"

namespace tx80 {
namespace {

const std::filesystem::path kResources = std::filesystem::path(TX80_SOURCE_DIR) / "resources";

std::map<std::string, int> Defines() {
  std::map<std::string, int> defines;
  std::istringstream header(test::ReadFile(kResources / "resource.h"));
  const std::regex define(R"(^#define\s+(\w+)\s+(\d+)\s*$)");
  std::smatch m;
  for (std::string line; std::getline(header, line);)
    if (std::regex_match(line, m, define)) defines[m[1]] = std::stoi(m[2]);
  return defines;
}

// The MENU resources of the resource script, as its lines nest them.
std::map<int, std::vector<SimMenuTemplate>> MenusOfTheScript() {
  const std::map<std::string, int> defines = Defines();
  std::map<int, std::vector<SimMenuTemplate>> menus;
  std::istringstream script(test::ReadFile(kResources / "TX80.rc"));
  const std::regex menuLine(R"(^(\w+)\s+MENU\s*$)");
  const std::regex popupLine(R"re(^\s*POPUP\s+"([^"]*)"\s*$)re");
  const std::regex itemLine(R"re(^\s*MENUITEM\s+"([^"]*)"\s*,\s*(\d+)\s*$)re");
  std::vector<std::vector<SimMenuTemplate>*> open;  // the item lists BEGIN opened, innermost last
  std::vector<SimMenuTemplate>* next = nullptr;      // the list the next BEGIN opens
  std::smatch m;
  for (std::string line; std::getline(script, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string word = std::regex_replace(line, std::regex(R"(^\s+|\s+$)"), "");
    if (std::regex_match(line, m, menuLine) && defines.contains(m[1])) {
      next = &menus[defines.at(m[1])];
    } else if (word == "BEGIN" && next) {
      open.push_back(next);
      next = nullptr;
    } else if (word == "END" && !open.empty()) {
      open.pop_back();
    } else if (!open.empty() && std::regex_match(line, m, popupLine)) {
      open.back()->push_back({Utf8ToUtf16(m[1].str()), -1, {}});
      next = &open.back()->back().items;
    } else if (!open.empty() && std::regex_match(line, m, itemLine)) {
      open.back()->push_back({Utf8ToUtf16(m[1].str()), std::stoi(m[2]), {}});
    }
  }
  return menus;
}

// The simulated backend's menus are the ones TX80.exe is built with, to the
// trailing space.
TEST(MenuResources, SimulatedMenusAreTheResourceScripts) {
  const auto script = MenusOfTheScript();
  const auto simulated = ProgramMenuResources();
  ASSERT_EQ(script.size(), simulated.size());
  for (const auto& [id, items] : simulated) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(script.contains(id));
    EXPECT_TRUE(script.at(id) == items);
  }
}

}  // namespace
}  // namespace tx80
