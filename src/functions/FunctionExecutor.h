#pragma once
#include <cstdint>

namespace tx80 {

struct AppContext;

// Performs in software the function of a programmable button whose press the
// mouse reported: DPI and LED changes sent back to the mouse, key shortcuts,
// launches, the next profile, and macros.
class FunctionExecutor {
 public:
  explicit FunctionExecutor(AppContext& context) : context_(context) {}

  // One pass for the pending press, if there is one: every slot of the pressed
  // button performs its function; then the mailbox is emptied. A stop request
  // that outlives the pass is dropped by the reader when it posts the next
  // press, never here: clearing it after the mailbox is emptied could erase the
  // stop of a press posted in between.
  void PerformPendingPress();
  // The thread: a pass for each press the reader posts, sleeping in between,
  // until the program stops.
  void Run();

 private:
  void ChangeDpiLevel(int role);
  void ToggleLed();
  void Perform(int32_t code);
  void CtrlShortcut(uint8_t key);
  void NextProfile();

  AppContext& context_;
};

}  // namespace tx80
