#pragma once
#include "platform/Threads.h"

namespace tx80 {

class Win32Threads final : public Threads {
 public:
  void Start(std::function<void()> body, ThreadPriority priority) override;
  void CreateNamedEvent(std::u16string_view name) override;
};

}  // namespace tx80
