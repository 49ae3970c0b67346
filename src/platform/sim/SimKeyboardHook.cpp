#include "platform/sim/SimKeyboardHook.h"

#include <chrono>

#include "platform/sim/SimClock.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimWindow.h"

namespace tx80 {

bool SimKeyboardHook::Install(Handler handler) {
  if (refuseInstall) return false;
  handler_ = std::move(handler);
  ++installs_;
  return true;
}

void SimKeyboardHook::Remove() { handler_ = nullptr; }

void SimKeyboardHook::PostToWindow(std::u16string_view caption, uint32_t message, uint32_t virtualKey) {
  if (SimWindowHost* window = desktop_.FindWindow(caption))
    window->Post(message, virtualKey, 0);
  else
    ++lost_;
}

void SimKeyboardHook::Type(uint32_t message, uint32_t virtualKey) {
  const bool kept = handler_ && handler_(message, virtualKey);
  if (!kept) unhooked_.push_back({message, virtualKey});
}

void SimKeyboardHook::TypeAt(int64_t elapsedMs, uint32_t message, uint32_t virtualKey) {
  clock_.Advance(std::chrono::milliseconds(elapsedMs - clock_.ElapsedMs()));
  Type(message, virtualKey);
}

}  // namespace tx80
