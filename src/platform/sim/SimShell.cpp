#include "platform/sim/SimShell.h"

namespace tx80 {

void SimShell::Open(std::u16string_view target) {
  std::lock_guard lock(mutex_);
  calls_.push_back(u"open " + std::u16string(target));
}

void SimShell::OpenDocument(std::u16string_view path) {
  std::lock_guard lock(mutex_);
  calls_.push_back(u"document " + std::u16string(path));
}

void SimShell::Run(std::string_view commandLine) {
  std::lock_guard lock(mutex_);
  calls_.push_back(u"run " + std::u16string(commandLine.begin(), commandLine.end()));
}

void SimShell::LockWorkstation() {
  std::lock_guard lock(mutex_);
  calls_.push_back(u"lock");
}

std::vector<std::u16string> SimShell::Calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

}  // namespace tx80
