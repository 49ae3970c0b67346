#pragma once
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Threads.h"

namespace tx80 {

// Threads are kept, not started: tests drive the loops step by step, or run a
// kept body on a thread of their own.
class SimThreads : public Threads {
 public:
  struct Kept {
    std::function<void()> body;
    ThreadPriority priority;
  };
  void Start(std::function<void()> body, ThreadPriority priority) override;
  void CreateNamedEvent(std::u16string_view name) override;
  std::vector<Kept> Started() const;
  std::vector<std::u16string> NamedEvents() const;

 private:
  mutable std::mutex mutex_;
  std::vector<Kept> started_;
  std::vector<std::u16string> events_;
};

}  // namespace tx80
