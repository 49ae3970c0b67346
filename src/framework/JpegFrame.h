#pragma once
#include <cstdint>
#include <optional>
#include <span>

namespace fw {

// The size a JPEG picture declares in its frame header.
struct JpegFrame {
  int32_t width = 0;
  int32_t height = 0;
};

// Checks a JPEG file without decoding its pixels and gives the frame's size
// when the bytes are one whole picture: the start-of-image marker, exactly one
// frame header with a width and a height above 0, scans that carry every
// component, and the end-of-image marker after them (bytes after it are
// ignored). The scans of sequential Huffman pictures, what encoders commonly
// write, are walked block by block and must hold every block the frame
// declares, with restart markers where the interval puts them; other kinds are
// checked for their markers only. nullopt for anything else: decoders fill a
// picture whose data ends early in without a word, and a damaged header may
// claim any size up to 65535 x 65535.
std::optional<JpegFrame> ReadJpegFrame(std::span<const uint8_t> bytes);

}  // namespace fw
