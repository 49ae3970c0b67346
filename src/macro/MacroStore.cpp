#include "macro/MacroStore.h"

#include <algorithm>

#include "platform/Dialogs.h"

namespace tx80 {

namespace {

// A header as a new or reset macro has it: played once, no events.
void ResetHeader(Macro& macro) {
  macro.SetRepeatMode(0);
  macro.SetRepeatCount(1);
  macro.SetEventCount(0);
}

bool IsEventSlot(int event) { return event >= 0 && event < Macro::kEventSlots; }

}  // namespace

Macro* MacroStore::Find(int index) {
  return index >= 0 && index < macroCount_ ? &macros_[static_cast<std::size_t>(index)] : nullptr;
}

int16_t MacroStore::MacroCount() const {
  std::lock_guard lock(mutex_);
  return macroCount_;
}

int32_t MacroStore::CurrentMacro() const {
  std::lock_guard lock(mutex_);
  return currentMacro_;
}

void MacroStore::SetCurrentMacro(int32_t index) {
  std::lock_guard lock(mutex_);
  currentMacro_ = index;
}

std::optional<Macro> MacroStore::Copy(int index) const {
  std::lock_guard lock(mutex_);
  if (index < 0 || index >= macroCount_) return std::nullopt;
  return macros_[static_cast<std::size_t>(index)];
}

std::vector<Macro> MacroStore::Macros() const {
  std::lock_guard lock(mutex_);
  return {macros_.begin(), macros_.begin() + macroCount_};
}

std::vector<std::u16string> MacroStore::Names() const {
  std::lock_guard lock(mutex_);
  std::vector<std::u16string> names;
  names.reserve(static_cast<std::size_t>(macroCount_));
  for (int i = 0; i < macroCount_; ++i) names.push_back(macros_[static_cast<std::size_t>(i)].Name());
  return names;
}

int MacroStore::FindMacro(std::u16string_view name) const {
  std::lock_guard lock(mutex_);
  for (int i = 0; i < macroCount_; ++i) {
    if (macros_[static_cast<std::size_t>(i)].Name() == name) return i;
  }
  return macroCount_;
}

int MacroStore::AddMacro(std::u16string_view name) {
  std::lock_guard lock(mutex_);
  if (macroCount_ >= kMaxMacros || name.empty()) return -1;
  // Only the name and the header are written: like every slot beyond the
  // count, the rest of the record is meaningless until events are stored.
  Macro& macro = macros_[static_cast<std::size_t>(macroCount_)];
  macro.SetName(name);
  ResetHeader(macro);
  return macroCount_++;
}

void MacroStore::RemoveMacro(int index) {
  std::lock_guard lock(mutex_);
  if (!Find(index)) return;
  std::move(macros_.begin() + index + 1, macros_.begin() + macroCount_, macros_.begin() + index);
  --macroCount_;
  ResetHeader(macros_[static_cast<std::size_t>(macroCount_)]);
}

void MacroStore::ResetMacro(int index, std::u16string_view name) {
  std::lock_guard lock(mutex_);
  Macro* macro = Find(index);
  if (!macro) return;
  *macro = Macro{};
  macro->SetName(name);
  ResetHeader(*macro);
}

bool MacroStore::InsertEvent(int index, int pos, uint8_t code, uint8_t action) {
  std::lock_guard lock(mutex_);
  Macro* macro = Find(index);
  if (!macro || pos < 0) return false;
  const int count = macro->EventCount();
  if (count >= kMaxEvents) return false;
  pos = std::min(pos, count);
  for (int k = count; k > pos; --k) {
    macro->SetEvent(k, macro->Code(k - 1), macro->Action(k - 1));
    macro->SetDelay(k, macro->Delay(k - 1));
  }
  macro->SetEvent(pos, code, action);
  macro->SetDelay(pos, kInsertedDelay);
  macro->SetEventCount(static_cast<uint8_t>(count + 1));
  return true;
}

void MacroStore::RemoveEvent(int index, int pos) {
  std::lock_guard lock(mutex_);
  Macro* macro = Find(index);
  if (!macro || pos < 0) return;
  const int oldCount = macro->EventCount();
  if (oldCount == 0) return;
  for (int k = pos; k + 1 < oldCount; ++k) {
    macro->SetEvent(k, macro->Code(k + 1), macro->Action(k + 1));
    macro->SetDelay(k, macro->Delay(k + 1));
  }
  macro->SetEventCount(static_cast<uint8_t>(oldCount - 1));
}

void MacroStore::SetDelay(int index, int event, int32_t value) {
  std::lock_guard lock(mutex_);
  Macro* macro = Find(index);
  if (!macro || !IsEventSlot(event)) return;
  macro->SetDelay(event, static_cast<uint16_t>(std::clamp<int32_t>(value, 0, 0xFFFF)));
}

void MacroStore::SetRepeatMode(int index, uint8_t mode) {
  std::lock_guard lock(mutex_);
  if (Macro* macro = Find(index)) macro->SetRepeatMode(mode);
}

void MacroStore::SetRepeatCount(int index, uint16_t count) {
  std::lock_guard lock(mutex_);
  if (Macro* macro = Find(index)) macro->SetRepeatCount(count);
}

void MacroStore::SetEvent(int index, int event, uint8_t code, uint8_t action) {
  std::lock_guard lock(mutex_);
  Macro* macro = Find(index);
  if (macro && IsEventSlot(event)) macro->SetEvent(event, code, action);
}

void MacroStore::SetEventCount(int index, int count) {
  std::lock_guard lock(mutex_);
  Macro* macro = Find(index);
  if (macro && count >= 0 && count <= Macro::kEventSlots) macro->SetEventCount(static_cast<uint8_t>(count));
}

void MacroStore::Replace(std::span<const Macro> macros) {
  std::lock_guard lock(mutex_);
  const std::size_t n = std::min<std::size_t>(macros.size(), kMaxMacros);
  std::copy_n(macros.begin(), n, macros_.begin());
  macroCount_ = static_cast<int16_t>(n);
  currentMacro_ = n > 0 ? static_cast<int32_t>(n) - 1 : 0;
}

bool InsertEventOrWarn(MacroStore& store, Dialogs& dialogs, WindowHost* owner, int index, int pos,
                       uint8_t code, uint8_t action) {
  if (store.InsertEvent(index, pos, code, action)) return true;
  // The UI thread is the only writer, so a failure on an existing macro means it is full.
  if (store.Copy(index)) dialogs.MessageBox(owner, u"Overflow!!!", u"");
  return false;
}

}  // namespace tx80
