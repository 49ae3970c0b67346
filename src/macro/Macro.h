#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tx80 {

// One macro as the fixed 1064-byte record that is also its stored form (the
// macro file writes these bytes one by one). Multi-byte fields are
// little-endian and are read and written byte by byte, never in host order.
// Events and their delays are two parallel arrays.
class Macro {
 public:
  static constexpr std::size_t kSize = 1064;
  static constexpr std::size_t kNameOffset = 0;
  static constexpr std::size_t kNameBytes = 40;
  static constexpr std::size_t kMaxNameLength = 19;  // code units, plus the terminator
  static constexpr std::size_t kRepeatModeOffset = 40;
  static constexpr std::size_t kRepeatCountOffset = 41;
  static constexpr std::size_t kEventCountOffset = 43;
  static constexpr std::size_t kEventsOffset = 44;
  static constexpr std::size_t kDelaysOffset = 554;
  static constexpr int kEventSlots = 255;
  static_assert(kDelaysOffset == kEventsOffset + 2 * kEventSlots);
  static_assert(kSize == kDelaysOffset + 2 * kEventSlots);

  using RecordBytes = std::array<uint8_t, kSize>;

  // A blank macro: 1064 zero bytes.
  Macro() = default;

  const RecordBytes& Bytes() const { return bytes_; }
  RecordBytes& Bytes() { return bytes_; }

  // The name up to its terminator (at most 20 code units are looked at).
  std::u16string Name() const;
  // Writes the name cut to kMaxNameLength code units and terminates it; the
  // rest of the field is zeroed.
  void SetName(std::u16string_view name);

  uint8_t RepeatMode() const { return bytes_[kRepeatModeOffset]; }
  void SetRepeatMode(uint8_t mode) { bytes_[kRepeatModeOffset] = mode; }
  uint16_t RepeatCount() const { return Read16(kRepeatCountOffset); }
  void SetRepeatCount(uint16_t count) { Write16(kRepeatCountOffset, count); }
  uint8_t EventCount() const { return bytes_[kEventCountOffset]; }
  void SetEventCount(uint8_t count) { bytes_[kEventCountOffset] = count; }

  // Event slot k, 0 <= k < kEventSlots.
  uint8_t Code(int k) const { return bytes_[kEventsOffset + 2 * k]; }
  uint8_t Action(int k) const { return bytes_[kEventsOffset + 2 * k + 1]; }
  uint16_t Delay(int k) const { return Read16(kDelaysOffset + 2 * k); }
  void SetEvent(int k, uint8_t code, uint8_t action) {
    bytes_[kEventsOffset + 2 * k] = code;
    bytes_[kEventsOffset + 2 * k + 1] = action;
  }
  void SetDelay(int k, uint16_t delay) { Write16(kDelaysOffset + 2 * k, delay); }

  bool operator==(const Macro&) const = default;

 private:
  uint16_t Read16(std::size_t offset) const {
    return static_cast<uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  void Write16(std::size_t offset, uint16_t value) {
    bytes_[offset] = static_cast<uint8_t>(value & 0xFF);
    bytes_[offset + 1] = static_cast<uint8_t>(value >> 8);
  }

  RecordBytes bytes_{};
};

// Event actions.
inline constexpr uint8_t kActionDown = 1;
inline constexpr uint8_t kActionUp = 2;

// Event codes at or above this are mouse buttons: 240 left, 241 right, 242.. middle.
inline constexpr uint8_t kMouseLeftCode = 240;
inline constexpr uint8_t kMouseRightCode = 241;
inline constexpr uint8_t kMouseMiddleCode = 242;

}  // namespace tx80
