#include "framework/JpegScan.h"

#include <algorithm>

namespace fw::jpeg {

namespace {

constexpr int kBlockCoefficients = 64;
// Decoders refuse an MCU of more blocks than this.
constexpr int kMaxBlocksInMcu = 10;

int32_t CeilDiv(int64_t a, int64_t b) { return static_cast<int32_t>((a + b - 1) / b); }

}  // namespace

bool HuffmanTable::Define(std::span<const uint8_t, 16> counts, std::span<const uint8_t> symbols, bool dc) {
  usable_ = false;
  int32_t code = 0;
  int32_t index = 0;
  for (int length = 1; length <= 16; ++length) {
    const int32_t n = counts[static_cast<std::size_t>(length - 1)];
    minCode_[length] = code;
    firstSymbol_[length] = index;
    maxCode_[length] = n ? code + n - 1 : -1;
    code += n;
    index += n;
    if (code >= (1 << length)) return false;
    code <<= 1;
  }
  if (static_cast<std::size_t>(index) != symbols.size()) return false;
  if (dc && std::any_of(symbols.begin(), symbols.end(), [](uint8_t s) { return s > 15; })) return false;
  symbols_.assign(symbols.begin(), symbols.end());
  usable_ = true;
  return true;
}

// Reads the bits of entropy-coded data: a 0xFF byte is followed by a stuffed
// 0x00; any other byte after 0xFF is a marker, where the data ends.
class ScanReader {
 public:
  ScanReader(std::span<const uint8_t> bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  // The next bit, or -1 at the end of the data.
  int Bit() {
    if (left_ == 0 && !NextByte()) return -1;
    --left_;
    return (byte_ >> left_) & 1;
  }

  // Skips `n` bits (a coefficient's extra bits); false at the end of the data.
  bool Skip(int n) {
    for (; n > 0; --n)
      if (Bit() < 0) return false;
    return true;
  }

  // A symbol of `table`, or -1 for a code it lacks or the end of the data.
  int Symbol(const HuffmanTable& table) {
    int32_t code = 0;
    for (int length = 1; length <= 16; ++length) {
      const int bit = Bit();
      if (bit < 0) return -1;
      code = (code << 1) | bit;
      if (table.maxCode_[length] >= 0 && code <= table.maxCode_[length])
        return table.symbols_[static_cast<std::size_t>(table.firstSymbol_[length] + code - table.minCode_[length])];
    }
    return -1;
  }

  // At the end of a restart interval: true when restart marker RSTn follows
  // (the bits left in the current byte are padding); the marker is passed.
  bool Restart(int n) {
    left_ = 0;
    if (!AtMarker()) return false;
    std::size_t p = at_;
    while (p < bytes_.size() && bytes_[p] == 0xFF) ++p;
    if (p == bytes_.size() || bytes_[p] != 0xD0 + n) return false;
    at_ = p + 1;
    return true;
  }

  // Where the data ends: true when a marker follows the current byte.
  bool AtMarker() const { return at_ + 1 < bytes_.size() && bytes_[at_] == 0xFF && bytes_[at_ + 1] != 0x00; }
  // The first byte not read yet.
  std::size_t Position() const { return at_; }

 private:
  bool NextByte() {
    if (at_ >= bytes_.size() || AtMarker()) return false;
    if (bytes_[at_] == 0xFF) {
      if (at_ + 1 >= bytes_.size()) return false;
      at_ += 2;  // 0xFF and its stuffed zero
      byte_ = 0xFF;
    } else {
      byte_ = bytes_[at_++];
    }
    left_ = 8;
    return true;
  }

  std::span<const uint8_t> bytes_;
  std::size_t at_;
  uint8_t byte_ = 0;
  int left_ = 0;
};

namespace {

// One 8 x 8 block: the DC difference, then AC coefficients up to the end of
// block or the 64th.
bool WalkBlock(ScanReader& reader, const HuffmanTable& dc, const HuffmanTable& ac) {
  const int size = reader.Symbol(dc);
  if (size < 0 || !reader.Skip(size)) return false;
  for (int k = 1; k < kBlockCoefficients;) {
    const int symbol = reader.Symbol(ac);
    if (symbol < 0) return false;
    const int run = symbol >> 4;
    const int bits = symbol & 0x0F;
    if (bits == 0) {
      if (run != 15) break;  // end of block; 15 is a run of sixteen zeros
      k += 16;
      continue;
    }
    if (!reader.Skip(bits)) return false;
    k += run + 1;
  }
  return true;
}

}  // namespace

bool WalkScan(std::span<const uint8_t> bytes, std::size_t& at, const ScanLayout& layout,
              const HuffmanTables& tables) {
  int hMax = 1;
  int vMax = 1;
  for (const FrameComponent& c : layout.frame) {
    hMax = std::max(hMax, c.h);
    vMax = std::max(vMax, c.v);
  }
  // Blocks of an MCU in scan order: per component its h x v blocks.
  std::vector<const ScanComponent*> mcu;
  int64_t mcusAcross = 0;
  int64_t mcusDown = 0;
  if (layout.scan.size() == 1) {
    // One component alone: an MCU is one of its blocks.
    const FrameComponent& c = layout.frame[static_cast<std::size_t>(layout.scan[0].frameComponent)];
    mcusAcross = CeilDiv(CeilDiv(int64_t{layout.width} * c.h, hMax), 8);
    mcusDown = CeilDiv(CeilDiv(int64_t{layout.height} * c.v, vMax), 8);
    mcu.push_back(&layout.scan[0]);
  } else {
    mcusAcross = CeilDiv(layout.width, 8 * hMax);
    mcusDown = CeilDiv(layout.height, 8 * vMax);
    for (const ScanComponent& s : layout.scan) {
      const FrameComponent& c = layout.frame[static_cast<std::size_t>(s.frameComponent)];
      for (int b = 0; b < c.h * c.v; ++b) mcu.push_back(&s);
    }
    if (mcu.size() > static_cast<std::size_t>(kMaxBlocksInMcu)) return false;
  }
  for (const ScanComponent* s : mcu)
    if (!tables.dc[static_cast<std::size_t>(s->dcTable)].Usable() ||
        !tables.ac[static_cast<std::size_t>(s->acTable)].Usable())
      return false;

  ScanReader reader(bytes, at);
  const int64_t mcus = mcusAcross * mcusDown;
  for (int64_t n = 0; n < mcus; ++n) {
    if (layout.restartInterval && n > 0 && n % layout.restartInterval == 0 &&
        !reader.Restart(static_cast<int>((n / layout.restartInterval - 1) % 8)))
      return false;
    for (const ScanComponent* s : mcu)
      if (!WalkBlock(reader, tables.dc[static_cast<std::size_t>(s->dcTable)],
                     tables.ac[static_cast<std::size_t>(s->acTable)]))
        return false;
  }
  at = reader.Position();
  return true;
}

}  // namespace fw::jpeg
