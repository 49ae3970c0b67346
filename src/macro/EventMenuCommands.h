#pragma once
#include <cstdint>
#include <optional>

namespace tx80 {

// The commands of the event list's right-button menu (the EventContextMenu).
// Its items carry different command ids in the English and the Chinese menu;
// both ids of an item do the same.
struct EventMenuCommand {
  enum class Kind { InsertBefore, InsertAfter, ModifyDelay, Delete };
  Kind kind;
  uint8_t code = 0;    // the mouse button an insertion adds
  uint8_t action = 0;  // down or up
};

// The command behind a menu id of either language; nothing for other ids.
std::optional<EventMenuCommand> FindEventMenuCommand(uint32_t id);

}  // namespace tx80
