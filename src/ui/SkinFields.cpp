#include "ui/SkinFields.h"

#include <algorithm>

namespace tx80 {

namespace {
constexpr size_t kCommaEndedFields = 6;
}

SkinFields SplitSkinFields(std::u16string_view value) {
  SkinFields fields;
  if (value.find(u',') == std::u16string_view::npos) {
    fields[0] = value;
    return fields;
  }
  size_t start = 0;
  for (size_t i = 0; i < kCommaEndedFields; ++i) {
    const size_t comma = value.find(u',', start);
    // A missing comma leaves this field and the ones after it empty. (Older
    // readers began the search again at the start of the value and repeated
    // earlier pieces; a well-formed skin never depends on either.)
    if (comma == std::u16string_view::npos) return fields;
    fields[i] = value.substr(start, comma - start);
    start = comma + 1;
  }
  fields[kCommaEndedFields] = value.substr(start);
  return fields;
}

bool HasTooManyCommas(std::u16string_view value) {
  return std::count(value.begin(), value.end(), u',') > static_cast<std::ptrdiff_t>(kCommaEndedFields);
}

}  // namespace tx80
