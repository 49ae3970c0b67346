#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The entropy-coded data of sequential Huffman JPEG pictures (the kind every
// common encoder writes), walked without decoding the pixels: enough to tell
// whether a scan holds every block its frame declares. Used by ReadJpegFrame.
namespace fw::jpeg {

// One Huffman table of a DHT segment, ready for decoding.
class HuffmanTable {
 public:
  // `counts`: how many codes of each length 1..16; `symbols`: the values in
  // code order. False, leaving the table unusable, when the codes do not fit
  // their lengths (a code of all one bits is not allowed either) or a DC table
  // holds a value above 15.
  bool Define(std::span<const uint8_t, 16> counts, std::span<const uint8_t> symbols, bool dc);
  bool Usable() const { return usable_; }

 private:
  friend class ScanReader;
  bool usable_ = false;
  std::array<int32_t, 17> minCode_{};
  std::array<int32_t, 17> maxCode_{};  // -1 where no code has the length
  std::array<int32_t, 17> firstSymbol_{};
  std::vector<uint8_t> symbols_;
};

// Tables 0..3 of each class, as the DHT segments so far define them.
struct HuffmanTables {
  std::array<HuffmanTable, 4> dc;
  std::array<HuffmanTable, 4> ac;
};

struct FrameComponent {
  uint8_t id = 0;
  int h = 1;  // sampling factors, 1..4
  int v = 1;
};

struct ScanComponent {
  int frameComponent = 0;  // index into the frame's components
  int dcTable = 0;
  int acTable = 0;
};

struct ScanLayout {
  int32_t width = 0;  // the frame's size and components
  int32_t height = 0;
  std::span<const FrameComponent> frame;
  std::span<const ScanComponent> scan;
  uint32_t restartInterval = 0;  // MCUs between restart markers, 0 for none
};

// Walks the scan's data from `at` (just after its SOS segment): true when
// every MCU of the scan decodes with its tables and restart markers come where
// the interval puts them; `at` then points past the last MCU's bytes. False
// when the data ends early or holds a code its table lacks: what decoders
// repair with grey blocks.
bool WalkScan(std::span<const uint8_t> bytes, std::size_t& at, const ScanLayout& layout,
              const HuffmanTables& tables);

}  // namespace fw::jpeg
