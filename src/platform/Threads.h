#pragma once
#include <functional>

namespace tx80 {

enum class ThreadPriority { Normal, Highest };

// Starts the program's background threads. They are detached: nothing joins
// them, process exit ends them.
class Threads {
 public:
  virtual ~Threads() = default;
  virtual void Start(std::function<void()> body, ThreadPriority priority) = 0;
};

}  // namespace tx80
