#pragma once
#include <cstdint>
#include <string>

#include "platform/ForegroundWatch.h"

namespace tx80 {

// The foreground program is the one a test brings to the front.
class SimForegroundWatch final : public ForegroundWatch {
 public:
  void Watch(WindowHost& window, uint32_t message) override;
  std::u16string ForegroundProgram() override { return program_; }

  // The user switches to `program` (empty: no program's window in front): the
  // watching window is told, like the system's event.
  void BringToFront(std::u16string_view program);
  bool Watching() const { return window_ != nullptr; }

 private:
  WindowHost* window_ = nullptr;
  uint32_t message_ = 0;
  std::u16string program_;
};

}  // namespace tx80
