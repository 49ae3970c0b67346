#pragma once
#include <cstdint>

#include "device/ApplyProfile.h"

namespace tx80 {

class Clock;
class ElevatedTargets;
class InputInjector;
class MacroStore;
class Shell;

// Performs in software the function of a programmable button whose press the
// mouse reported: DPI and LED changes sent back to the mouse, key shortcuts,
// launches, the next profile, and macros.
class FunctionExecutor {
 public:
  // `apply` holds the driver and the profile whose buttons are performed;
  // `elevated` remembers the programs the user was told cannot get its input.
  FunctionExecutor(const ApplyTarget& apply, const MacroStore& macros, InputInjector& input, Clock& clock,
                   Shell& shell, ElevatedTargets& elevated)
      : apply_(apply), macros_(macros), input_(input), clock_(clock), shell_(shell), elevated_(elevated) {}

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
  // Before keys or buttons go out: tells the user, once per program, when
  // the program in front will not get them.
  void WarnIfInputWillBeDropped();

  ApplyTarget apply_;
  const MacroStore& macros_;
  InputInjector& input_;
  Clock& clock_;
  Shell& shell_;
  ElevatedTargets& elevated_;
};

}  // namespace tx80
