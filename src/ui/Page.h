#pragma once
#include <cstdint>

namespace tx80 {

// The pages of the main window (CurrentPage): the main page, the advanced
// page with the macros, and the color page.
enum class Page : uint8_t { Main = 0, Advanced = 1, Color = 2 };

}  // namespace tx80
