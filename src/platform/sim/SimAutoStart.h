#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/AutoStart.h"

namespace tx80 {

// The sign-in start list as an in-memory registry key.
class SimAutoStart final : public AutoStart {
 public:
  std::optional<std::u16string> Read(std::u16string_view name) override;
  bool Write(std::u16string_view name, std::u16string_view commandLine) override;
  bool Remove(std::u16string_view name) override;
  std::optional<std::string> ReadApproval(std::u16string_view name) override;
  bool RemoveApproval(std::u16string_view name) override;

  std::map<std::u16string, std::u16string, std::less<>> entries;
  // What Task Manager wrote: 12 bytes, the first 02 enabled, 03 disabled.
  std::map<std::u16string, std::string, std::less<>> approvals;
  int writes = 0;
  bool writesFail = false;
};

}  // namespace tx80
