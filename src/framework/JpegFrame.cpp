#include "framework/JpegFrame.h"

#include <cstddef>
#include <vector>

#include "framework/JpegScan.h"

namespace fw {

namespace {

constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kHuffmanTables = 0xC4;
constexpr uint8_t kRestartInterval = 0xDD;

// SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC), which share the range.
bool IsFrameHeader(uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != kHuffmanTables && marker != 0xC8 && marker != 0xCC;
}

// Baseline and extended sequential pictures with Huffman coding: their scans
// are walked block by block. The rarer kinds (progressive, lossless,
// arithmetic coding) are only checked for their markers.
bool IsSequentialHuffman(uint8_t frameMarker) { return frameMarker == 0xC0 || frameMarker == 0xC1; }

// Markers without a length field: TEM and the restart markers.
bool StandsAlone(uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

uint16_t Read16(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}

// Index of the first marker after the entropy-coded data starting at `at`
// (a 0xFF that is neither a stuffed zero nor a restart marker), or the size
// when the data runs to the end of the file.
std::size_t SkipScanData(std::span<const uint8_t> bytes, std::size_t at) {
  for (; at + 1 < bytes.size(); ++at) {
    if (bytes[at] != 0xFF) continue;
    const uint8_t next = bytes[at + 1];
    if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7)) return at;
  }
  return bytes.size();
}

// What the markers before a scan have said.
struct Picture {
  uint8_t frameMarker = 0;
  JpegFrame size;
  std::vector<jpeg::FrameComponent> components;
  std::vector<bool> scanned;  // per component: some scan carried it
  jpeg::HuffmanTables tables;
  uint32_t restartInterval = 0;
};

bool ReadFrameHeader(std::span<const uint8_t> body, uint8_t marker, Picture& picture) {
  // precision, height, width, component count, then 3 bytes a component
  if (picture.frameMarker || body.size() < 6) return false;
  const std::size_t count = body[5];
  if (count == 0 || body.size() < 6 + 3 * count) return false;
  picture.frameMarker = marker;
  picture.size = {Read16(body, 3), Read16(body, 1)};
  if (picture.size.width == 0 || picture.size.height == 0) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const uint8_t sampling = body[6 + 3 * i + 1];
    const jpeg::FrameComponent c{body[6 + 3 * i], sampling >> 4, sampling & 0x0F};
    if (c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4) return false;
    picture.components.push_back(c);
  }
  picture.scanned.assign(count, false);
  return true;
}

bool ReadHuffmanTables(std::span<const uint8_t> body, Picture& picture) {
  std::size_t at = 0;
  while (at < body.size()) {
    // class and number, 16 counts, the symbols
    if (at + 17 > body.size()) return false;
    const int tableClass = body[at] >> 4;
    const int number = body[at] & 0x0F;
    if (tableClass > 1 || number > 3) return false;
    const std::span<const uint8_t, 16> counts = body.subspan(at + 1).first<16>();
    std::size_t symbols = 0;
    for (uint8_t n : counts) symbols += n;
    at += 17;
    if (symbols > 256 || at + symbols > body.size()) return false;
    // A table whose codes do not fit stays unusable: only a scan using it fails.
    auto& table = tableClass == 0 ? picture.tables.dc : picture.tables.ac;
    table[static_cast<std::size_t>(number)].Define(counts, body.subspan(at, symbols), tableClass == 0);
    at += symbols;
  }
  return true;
}

// The scan header and, for sequential pictures, the scan's data; `at` moves
// past the data.
bool ReadScan(std::span<const uint8_t> bytes, std::span<const uint8_t> body, std::size_t& at, Picture& picture) {
  if (!picture.frameMarker || body.empty()) return false;
  const std::size_t count = body[0];
  // component count, 2 bytes a component, spectral selection and approximation
  if (count < 1 || count > 4 || body.size() < 1 + 2 * count + 3) return false;
  std::vector<jpeg::ScanComponent> scan;
  for (std::size_t i = 0; i < count; ++i) {
    const uint8_t id = body[1 + 2 * i];
    const uint8_t tables = body[2 + 2 * i];
    std::size_t c = 0;
    while (c < picture.components.size() && picture.components[c].id != id) ++c;
    if (c == picture.components.size()) return false;
    for (const auto& earlier : scan)
      if (earlier.frameComponent == static_cast<int>(c)) return false;
    scan.push_back({static_cast<int>(c), tables >> 4, tables & 0x0F});
    if (scan.back().dcTable > 3 || scan.back().acTable > 3) return false;
    picture.scanned[c] = true;
  }
  if (IsSequentialHuffman(picture.frameMarker)) {
    const std::span<const uint8_t> selection = body.subspan(1 + 2 * count, 3);
    if (selection[0] != 0 || selection[1] != 63 || selection[2] != 0) return false;
    const jpeg::ScanLayout layout{picture.size.width, picture.size.height, picture.components, scan,
                                  picture.restartInterval};
    if (!jpeg::WalkScan(bytes, at, layout, picture.tables)) return false;
  }
  at = SkipScanData(bytes, at);
  return true;
}

}  // namespace

std::optional<JpegFrame> ReadJpegFrame(std::span<const uint8_t> bytes) {
  if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != kStartOfImage) return std::nullopt;
  Picture picture;
  std::size_t at = 2;
  while (true) {
    if (at >= bytes.size() || bytes[at] != 0xFF) return std::nullopt;
    while (at < bytes.size() && bytes[at] == 0xFF) ++at;  // fill bytes before a marker
    if (at >= bytes.size()) return std::nullopt;
    const uint8_t marker = bytes[at++];
    if (marker == kEndOfImage) break;
    if (marker == 0x00 || marker == kStartOfImage) return std::nullopt;
    if (StandsAlone(marker)) continue;

    if (at + 2 > bytes.size()) return std::nullopt;
    const std::size_t length = Read16(bytes, at);
    if (length < 2 || at + length > bytes.size()) return std::nullopt;
    const std::span<const uint8_t> body = bytes.subspan(at + 2, length - 2);
    at += length;

    bool understood = true;
    if (IsFrameHeader(marker)) {
      understood = ReadFrameHeader(body, marker, picture);
    } else if (marker == kHuffmanTables) {
      understood = ReadHuffmanTables(body, picture);
    } else if (marker == kRestartInterval) {
      understood = body.size() >= 2;
      if (understood) picture.restartInterval = Read16(body, 0);
    } else if (marker == kStartOfScan) {
      understood = ReadScan(bytes, body, at, picture);
    }
    if (!understood) return std::nullopt;
  }
  // Every component has had its scan.
  if (!picture.frameMarker || picture.scanned.empty()) return std::nullopt;
  for (bool scanned : picture.scanned)
    if (!scanned) return std::nullopt;
  return picture.size;
}

}  // namespace fw
