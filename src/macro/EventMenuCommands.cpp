#include "macro/EventMenuCommands.h"

#include "macro/Macro.h"

namespace tx80 {

namespace {

using Kind = EventMenuCommand::Kind;

struct Entry {
  uint32_t english;
  uint32_t chinese;
  EventMenuCommand command;
};

constexpr Entry kEntries[] = {
    {32802, 32817, {Kind::InsertBefore, kMouseLeftCode, kActionDown}},
    {32803, 32818, {Kind::InsertBefore, kMouseLeftCode, kActionUp}},
    {32804, 32820, {Kind::InsertBefore, kMouseRightCode, kActionDown}},
    {32805, 32821, {Kind::InsertBefore, kMouseRightCode, kActionUp}},
    {32806, 32823, {Kind::InsertBefore, kMouseMiddleCode, kActionDown}},
    {32807, 32824, {Kind::InsertBefore, kMouseMiddleCode, kActionUp}},
    {32809, 32829, {Kind::InsertAfter, kMouseLeftCode, kActionDown}},
    {32810, 32830, {Kind::InsertAfter, kMouseLeftCode, kActionUp}},
    {32811, 32831, {Kind::InsertAfter, kMouseRightCode, kActionDown}},
    {32812, 32832, {Kind::InsertAfter, kMouseRightCode, kActionUp}},
    {32813, 32833, {Kind::InsertAfter, kMouseMiddleCode, kActionDown}},
    {32814, 32834, {Kind::InsertAfter, kMouseMiddleCode, kActionUp}},
    {32780, 32835, {Kind::ModifyDelay}},
    {32781, 32836, {Kind::Delete}},
};

}  // namespace

std::optional<EventMenuCommand> FindEventMenuCommand(uint32_t id) {
  for (const auto& entry : kEntries)
    if (entry.english == id || entry.chinese == id) return entry.command;
  return std::nullopt;
}

}  // namespace tx80
