#include "platform/sim/SimAutoStart.h"

namespace tx80 {

std::optional<std::u16string> SimAutoStart::Read(std::u16string_view name) {
  const auto entry = entries.find(name);
  if (entry == entries.end()) return std::nullopt;
  return entry->second;
}

bool SimAutoStart::Write(std::u16string_view name, std::u16string_view commandLine) {
  if (writesFail) return false;
  ++writes;
  entries[std::u16string(name)] = commandLine;
  return true;
}

bool SimAutoStart::Remove(std::u16string_view name) {
  if (writesFail) return false;
  if (const auto entry = entries.find(name); entry != entries.end()) entries.erase(entry);
  return true;
}

std::optional<std::string> SimAutoStart::ReadApproval(std::u16string_view name) {
  const auto approval = approvals.find(name);
  if (approval == approvals.end()) return std::nullopt;
  return approval->second;
}

bool SimAutoStart::RemoveApproval(std::u16string_view name) {
  if (writesFail) return false;
  if (const auto approval = approvals.find(name); approval != approvals.end()) approvals.erase(approval);
  return true;
}

}  // namespace tx80
