#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tx80 {

// The user's own list of programs the system starts when the user signs in
// (on Windows the values of HKCU\Software\Microsoft\Windows\CurrentVersion\Run).
// Each entry is a name and the command line started. UI thread only.
class AutoStart {
 public:
  virtual ~AutoStart() = default;
  // The command line of the entry; nothing when there is none (or it cannot be read).
  virtual std::optional<std::u16string> Read(std::u16string_view name) = 0;
  // Adds the entry or replaces its command line; false when it failed.
  virtual bool Write(std::u16string_view name, std::u16string_view commandLine) = 0;
  // Removes the entry; removing one that is not there succeeds. False when it failed.
  virtual bool Remove(std::u16string_view name) = 0;
  // The approval the system keeps apart from the entry, which Task Manager and
  // Settings write when the user disables or enables it (Windows 8 and later:
  // HKCU\...\Explorer\StartupApproved\Run): its bytes, nothing when none.
  virtual std::optional<std::string> ReadApproval(std::u16string_view name) = 0;
  // Removes that approval; removing none succeeds. False when it failed.
  virtual bool RemoveApproval(std::u16string_view name) = 0;
};

}  // namespace tx80
