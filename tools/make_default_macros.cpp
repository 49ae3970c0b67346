// Writes the macro files that ship with the program, through the program's own
// macro-file code so that they are exactly what it reads:
//   skins/INI_EN/defMacro.dat, skins/INI_CN/defMacro.dat (the defaults a reset
//   restores) and Macro_EN.dat, Macro_CN.dat (the first start's macros, copies
//   of the defaults).
//
//   make_default_macros <data directory>
//
// The factory profiles in config.ini refer to these macros by their place in
// the list (FunctionCode 41 is the first), so keep the order.
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>
#include <vector>

#include "macro/MacroFile.h"
#include "macro/MacroStore.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimFileStore.h"

namespace {

using tx80::kActionDown;
using tx80::kActionUp;

constexpr uint8_t kLeftButton = tx80::kMouseLeftCode;
constexpr uint8_t kShift = 0x10;
constexpr uint8_t kControl = 0x11;
constexpr uint8_t kSpace = 0x20;
constexpr uint8_t kKeyS = 0x53;
constexpr uint8_t kKeyT = 0x54;
constexpr uint8_t kLeftWindows = 0x5B;

struct Event {
  uint8_t code;
  uint8_t action;
  uint16_t delay;  // milliseconds after the event
};

struct DefaultMacro {
  std::u16string_view english;
  std::u16string_view chinese;
  uint16_t repeatCount;  // 1: played once
  std::vector<Event> events;
};

const std::vector<DefaultMacro>& DefaultMacros() {
  static const std::vector<DefaultMacro> macros = {
      // One quick click, played three times: a burst for semi-automatic weapons.
      {u"Triple Shot", u"三连发", 3, {{kLeftButton, kActionDown, 40}, {kLeftButton, kActionUp, 80}}},
      {u"Crouch Jump", u"蹲跳", 1,
       {{kSpace, kActionDown, 30}, {kSpace, kActionUp, 60}, {kControl, kActionDown, 400}, {kControl, kActionUp, 30}}},
      {u"Save (Ctrl+S)", u"保存 (Ctrl+S)", 1,
       {{kControl, kActionDown, 20}, {kKeyS, kActionDown, 20}, {kKeyS, kActionUp, 20}, {kControl, kActionUp, 30}}},
      {u"Reopen Tab", u"恢复关闭的标签页", 1,
       {{kControl, kActionDown, 20},
        {kShift, kActionDown, 20},
        {kKeyT, kActionDown, 20},
        {kKeyT, kActionUp, 20},
        {kShift, kActionUp, 20},
        {kControl, kActionUp, 30}}},
      {u"Screenshot", u"截图", 1,
       {{kLeftWindows, kActionDown, 20},
        {kShift, kActionDown, 20},
        {kKeyS, kActionDown, 20},
        {kKeyS, kActionUp, 20},
        {kShift, kActionUp, 20},
        {kLeftWindows, kActionUp, 30}}},
  };
  return macros;
}

bool Fill(tx80::MacroStore& store, bool english) {
  for (const DefaultMacro& m : DefaultMacros()) {
    const int index = store.AddMacro(english ? m.english : m.chinese);
    if (index < 0) return false;
    store.SetRepeatMode(index, m.repeatCount > 1 ? 1 : 0);
    store.SetRepeatCount(index, m.repeatCount);
    for (std::size_t k = 0; k < m.events.size(); ++k) {
      const int event = static_cast<int>(k);
      store.SetEvent(index, event, m.events[k].code, m.events[k].action);
      store.SetDelay(index, event, m.events[k].delay);
    }
    store.SetEventCount(index, static_cast<int>(m.events.size()));
  }
  return true;
}

// A fresh file each time: SaveMacroFile keeps keys it does not rewrite.
bool Write(const tx80::MacroStore& store, const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::filesystem::remove(path, error);
  // The files of the build machine: the simulated backend's store is the real
  // file system.
  tx80::SimClock clock;
  tx80::SimFileStore files(clock);
  return tx80::SaveMacroFile(files, store, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_default_macros <data directory>\n";
    return 2;
  }
  const std::filesystem::path data = argv[1];
  for (const bool english : {true, false}) {
    tx80::MacroStore store;
    if (!Fill(store, english)) {
      std::cerr << "more default macros than the store holds\n";
      return 1;
    }
    const char* folder = english ? "INI_EN" : "INI_CN";
    const char* programFile = english ? "Macro_EN.dat" : "Macro_CN.dat";
    if (!Write(store, data / "skins" / folder / "defMacro.dat") || !Write(store, data / programFile)) {
      std::cerr << "cannot write the macro files under " << data << "\n";
      return 1;
    }
  }
  return 0;
}
