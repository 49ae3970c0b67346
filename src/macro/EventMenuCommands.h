#pragma once
#include <cstdint>
#include <optional>

namespace tx80 {

// The event list's right-button menu: the first popup of menu resource 154
// (English interface) or 161 (Chinese). Its items carry different command ids
// in the two menus; both ids of an item do the same.
inline constexpr int kEventMenuEnglish = 154;
inline constexpr int kEventMenuChinese = 161;

inline int EventMenuId(int languageFlag) { return languageFlag ? kEventMenuEnglish : kEventMenuChinese; }

struct EventMenuCommand {
  enum class Kind { InsertBefore, InsertAfter, ModifyDelay, Delete };
  Kind kind;
  uint8_t code = 0;    // the mouse button an insertion adds
  uint8_t action = 0;  // down or up
};

// The command behind a menu id of either language; nothing for other ids.
std::optional<EventMenuCommand> FindEventMenuCommand(uint32_t id);

}  // namespace tx80
