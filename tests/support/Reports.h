#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tx80::test {

// "07 10 01 01" for the first `count` bytes of a report.
inline std::string HexPrefix(const std::vector<uint8_t>& report, std::size_t count = 4) {
  std::string text;
  char byte[4];
  for (std::size_t i = 0; i < count && i < report.size(); ++i) {
    std::snprintf(byte, sizeof byte, i ? " %02X" : "%02X", report[i]);
    text += byte;
  }
  return text;
}

inline std::vector<std::string> HexPrefixes(const std::vector<std::vector<uint8_t>>& reports, std::size_t count = 4) {
  std::vector<std::string> texts;
  for (const auto& report : reports) texts.push_back(HexPrefix(report, count));
  return texts;
}

}  // namespace tx80::test
