#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace tx80 {

// Records what the program asked the desktop to start, as text:
// "open <target>", "document <path>", "run <command line>", "lock".
class SimShell : public Shell {
 public:
  void Open(std::u16string_view target) override;
  void OpenDocument(std::u16string_view path) override;
  void Run(std::string_view commandLine) override;
  void LockWorkstation() override;
  std::vector<std::u16string> Calls() const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::u16string> calls_;
};

}  // namespace tx80
