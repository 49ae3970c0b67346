#pragma once
#include "platform/AutoStart.h"

namespace tx80 {

// The values of HKCU\Software\Microsoft\Windows\CurrentVersion\Run, and their
// approvals under ...\Explorer\StartupApproved\Run.
class Win32AutoStart final : public AutoStart {
 public:
  std::optional<std::u16string> Read(std::u16string_view name) override;
  bool Write(std::u16string_view name, std::u16string_view commandLine) override;
  bool Remove(std::u16string_view name) override;
  std::optional<std::string> ReadApproval(std::u16string_view name) override;
  bool RemoveApproval(std::u16string_view name) override;
};

}  // namespace tx80
