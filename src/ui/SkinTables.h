#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "framework/Rect.h"
#include "ui/SkinItem.h"

namespace tx80 {

inline constexpr std::size_t kMainItemCount = 100;
inline constexpr std::size_t kAdvancedItemCount = 46;
inline constexpr std::size_t kColorItemCount = 13;
inline constexpr std::size_t kWarningItemCount = 3;
inline constexpr std::size_t kFunctionNameCount = 55;  // index 0 is never filled

// Entries of ControlRects: where the macro page's child controls are created.
enum ControlRect : std::size_t {
  kRepeatCountEditRect = 0,  // "EDIT" 3
  kMacroNameEditRect = 1,    // "EDIT" 4
  kMacroListRect = 2,        // "MACRODISPLAY" 1
  kEventListRect = 3,        // "MACRODISPLAY" 2
};

// The layout tables read from the skin files of the interface language. Empty
// (zero rectangles, empty texts) until the skins are loaded; a reload replaces
// every entry.
struct SkinTables {
  std::array<SkinItem, kMainItemCount> MainItems{};
  std::array<SkinItem, kAdvancedItemCount> AdvancedItems{};
  std::array<SkinItem, kColorItemCount> ColorItems{};
  std::array<SkinItem, kWarningItemCount> WarningItems{};
  // FunctionNames[k] is the display name of FunctionCode k, k = 1..54.
  std::array<std::u16string, kFunctionNameCount> FunctionNames{};
  std::array<fw::Rect, 4> ControlRects{};
};

}  // namespace tx80
