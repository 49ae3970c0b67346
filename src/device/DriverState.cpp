#include "device/DriverState.h"

namespace tx80 {

void DriverState::RequestStop() {
  stopping = true;
  flags.PressesPosted.fetch_add(1);  // wakes the executor
  flags.PressesPosted.notify_all();
  device.WakeReader();
}

}  // namespace tx80
