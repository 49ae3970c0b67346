#pragma once
#include <functional>
#include <string_view>

namespace tx80 {

enum class ThreadPriority { Normal, Highest };

// Starts the program's background threads. They are detached: nothing joins
// them, process exit ends them.
class Threads {
 public:
  virtual ~Threads() = default;
  virtual void Start(std::function<void()> body, ThreadPriority priority) = 0;
  // Creates a named auto-reset event, not signalled (other processes may look
  // for it by name); the handle stays open for the life of the process.
  virtual void CreateNamedEvent(std::u16string_view name) = 0;
};

}  // namespace tx80
