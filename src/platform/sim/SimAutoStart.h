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

  std::map<std::u16string, std::u16string, std::less<>> entries;
  int writes = 0;
  bool writesFail = false;
};

}  // namespace tx80
