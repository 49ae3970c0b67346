#pragma once
#include <memory>

#include "platform/emulated/EmulatedMouse.h"
#include "support/SimProgram.h"

namespace tx80::test {

inline constexpr const char* kFactoryProfile =
    "[Init]\nCurConfig=1\n"
    "[Config1]\nK1=1\nK2=2\nK3=3\nK4=5\nK5=4\nK6=18\nK7=17\nDPI_LEVEL=0\nWHEEL_STATUS=0\nMACRO_MODE2=0\n"
    "DPI_SET1=1\nDPI_SET_EN1=1\nDPI_SET2=2\nDPI_SET_EN2=1\nDPI_SET3=4\nDPI_SET_EN3=1\nDPI_SET4=0\nDPI_SET_EN4=1\n"
    "LED_STATUS=0\nDPI_SPEED=4\nWHEEL_SPEED=2\nFIRE_TIME=50\n";

// A program with the emulated mouse plugged in.
struct MouseProgram : SimProgram {
  explicit MouseProgram(SimDesktop& desktop) : SimProgram(desktop) { os.hid.Plug(mouse); }
  std::shared_ptr<EmulatedMouse> mouse = std::make_shared<EmulatedMouse>();
};

}  // namespace tx80::test
