#pragma once
#include <array>
#include <string>
#include <string_view>

namespace tx80 {

// A skin value split into seven text fields: fields 0..5 are each ended by a
// comma, field 6 is everything after the sixth comma (further commas
// included). A field whose ending comma is missing is empty, and so is every
// field after it. Nothing is trimmed: spaces belong to the field.
using SkinFields = std::array<std::u16string, 7>;

SkinFields SplitSkinFields(std::u16string_view value);

// A skin value holds at most six commas; more is a malformed value (it is still
// used, field 6 keeping the rest).
bool HasTooManyCommas(std::u16string_view value);

}  // namespace tx80
