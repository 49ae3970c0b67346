#include "macro/Macro.h"

#include <algorithm>

namespace tx80 {

std::u16string Macro::Name() const {
  std::u16string name;
  for (std::size_t i = 0; i < kNameBytes / 2; ++i) {
    const auto unit = static_cast<char16_t>(bytes_[kNameOffset + 2 * i] | (bytes_[kNameOffset + 2 * i + 1] << 8));
    if (unit == 0) break;
    name.push_back(unit);
  }
  return name;
}

void Macro::SetName(std::u16string_view name) {
  // 19 code units at most, so that the 40-byte field always keeps its terminator.
  name = name.substr(0, std::min(name.size(), kMaxNameLength));
  std::fill_n(bytes_.begin() + kNameOffset, kNameBytes, uint8_t{0});
  for (std::size_t i = 0; i < name.size(); ++i) {
    bytes_[kNameOffset + 2 * i] = static_cast<uint8_t>(name[i] & 0xFF);
    bytes_[kNameOffset + 2 * i + 1] = static_cast<uint8_t>(name[i] >> 8);
  }
}

}  // namespace tx80
