#include "framework/ProgramFileName.h"

namespace fw {

std::u16string ProgramFileName(std::u16string_view imagePath) {
  const size_t separator = imagePath.find_last_of(u"\\/");
  return std::u16string(separator == std::u16string_view::npos ? imagePath : imagePath.substr(separator + 1));
}

}  // namespace fw
