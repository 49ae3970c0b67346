#pragma once
#include <string>

#include "platform/SingleInstance.h"

namespace tx80 {

class SimDesktop;

// Named mutexes and top-level windows are the desktop's, shared by the
// programs that run on it.
class SimSingleInstance : public SingleInstance {
 public:
  explicit SimSingleInstance(SimDesktop& desktop) : desktop_(desktop) {}
  bool AlreadyRunning(std::u16string_view mutexName) override;
  bool RestoreWindow(std::u16string_view caption) override;
  void Release() override;
  // Delivers the request to the window at once, as a sent message is.
  std::optional<std::u16string> SendRequest(std::u16string_view caption, std::u16string_view request) override;

 private:
  SimDesktop& desktop_;
  std::u16string held_;
};

}  // namespace tx80
