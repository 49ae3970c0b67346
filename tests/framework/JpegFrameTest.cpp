#include "framework/JpegFrame.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

std::optional<JpegFrame> Frame(const std::string& bytes) {
  return ReadJpegFrame(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

std::string Segment(int marker, const std::string& body) {
  const std::size_t length = body.size() + 2;
  return Bytes({0xFF, marker, static_cast<int>(length >> 8), static_cast<int>(length & 0xFF)}) + body;
}

// Small pictures of one component with two tiny Huffman tables: DC code "0"
// is a difference of size 0 and "10" one of size 15; AC code "0" ends the
// block. So "00" is a whole block.
const std::string kStart = Bytes({0xFF, 0xD8});
const std::string kEnd = Bytes({0xFF, 0xD9});
const std::string kApp = Segment(0xE0, "JFIF");
const std::string kTables = Segment(0xC4, Bytes({0x00, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15}) +
                                              Bytes({0x10, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00}));
std::string FrameHeader(int width, int height, int marker = 0xC0, int components = 1) {
  std::string body = Bytes({8, height >> 8, height & 0xFF, width >> 8, width & 0xFF, components});
  for (int c = 1; c <= components; ++c) body += Bytes({c, 0x11, 0});
  return Segment(marker, body);
}
std::string ScanHeader(int component = 1, int tables = 0x00, int last = 63) {
  return Segment(0xDA, Bytes({1, component, tables, 0, last, 0}));
}
const std::string kOneBlock = Bytes({0x3F});         // "00", padded with ones
const std::string kTwoBlocks = Bytes({0x0F});        // "0000"
const std::string kStuffed = Bytes({0x80, 0xFF, 0x00, 0xBF});  // "10", 15 ones, "0": a 0xFF data byte
const std::string kRestart0 = Bytes({0xFF, 0xD0});

TEST(JpegFrameTest, WholePictureGivesItsFrame) {
  const std::string picture = kStart + kApp + kTables + FrameHeader(3, 2) + ScanHeader() + kOneBlock + kEnd;
  const auto frame = Frame(picture);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->width, 3);
  EXPECT_EQ(frame->height, 2);

  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"two blocks", kStart + kTables + FrameHeader(16, 8) + ScanHeader() + kTwoBlocks + kEnd},
      {"a stuffed 0xFF", kStart + kTables + FrameHeader(8, 8) + ScanHeader() + kStuffed + kEnd},
      {"a restart between blocks", kStart + kTables + Segment(0xDD, Bytes({0, 1})) + FrameHeader(16, 8) +
                                       ScanHeader() + kOneBlock + kRestart0 + kOneBlock + kEnd},
      {"fill bytes before a marker", kStart + Bytes({0xFF, 0xFF}) + kTables + FrameHeader(3, 2) + ScanHeader() +
                                         kOneBlock + Bytes({0xFF}) + kEnd},
      {"bytes after the end", picture + "trailing bytes"},
      // Progressive pictures are checked for their markers only.
      {"progressive", kStart + FrameHeader(3, 2, 0xC2) + ScanHeader(1, 0, 0) + "any data" + ScanHeader(1, 0, 0) +
                          "more" + kEnd},
  };
  for (const auto& c : cases) EXPECT_TRUE(Frame(c.bytes)) << c.what;
}

TEST(JpegFrameTest, AnythingButAWholePictureIsRefused) {
  const std::string head = kStart + kApp + kTables;
  const std::string picture = head + FrameHeader(3, 2) + ScanHeader() + kOneBlock + kEnd;
  const std::string restarts = head + Segment(0xDD, Bytes({0, 1})) + FrameHeader(24, 8) + ScanHeader();
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"no start marker", picture.substr(2)},
      {"cut in a segment", picture.substr(0, kStart.size() + 3)},
      {"cut in the frame header", head + FrameHeader(3, 2).substr(0, 7)},
      {"cut before the end marker", picture.substr(0, picture.size() - 2)},
      {"cut in the scan data", head + FrameHeader(3, 2) + ScanHeader() + kStuffed.substr(0, 2)},
      {"end marker alone", kStart + kEnd},
      {"no scan", head + FrameHeader(3, 2) + kEnd},
      {"scan before the frame", head + ScanHeader() + kOneBlock + FrameHeader(3, 2) + kEnd},
      {"two frames", head + FrameHeader(3, 2) + FrameHeader(3, 2) + ScanHeader() + kOneBlock + kEnd},
      {"width 0", head + FrameHeader(0, 2) + ScanHeader() + kOneBlock + kEnd},
      {"height 0 (left to a later marker)", head + FrameHeader(3, 0) + ScanHeader() + kOneBlock + kEnd},
      {"segment length below 2", kStart + Bytes({0xFF, 0xE0, 0, 1}) + picture.substr(2)},
      {"segment longer than the file", kStart + Bytes({0xFF, 0xE0, 0x7F, 0xFF}) + kEnd},
      {"bytes between segments", kStart + "x" + picture.substr(2)},
      {"second start marker", kStart + picture},
      // The frame declares more blocks than the scan holds: what a damaged
      // header or a file cut and closed looks like.
      {"frame larger than its scan", head + FrameHeader(16, 8) + ScanHeader() + kOneBlock + kEnd},
      {"frame much larger than its scan", head + FrameHeader(4096, 4096) + ScanHeader() + kOneBlock + kEnd},
      {"a code the table lacks", head + FrameHeader(3, 2) + ScanHeader() + Bytes({0xDF}) + kEnd},
      {"a table never defined", head + FrameHeader(3, 2) + ScanHeader(1, 0x11) + kOneBlock + kEnd},
      {"an all-ones code", kStart + Segment(0xC4, Bytes({0x00, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})) +
                                Segment(0xC4, kTables.substr(4 + 18)) + FrameHeader(3, 2) + ScanHeader() + kOneBlock +
                                kEnd},
      {"restart marker missing", restarts + kOneBlock + kOneBlock + kRestart0 + kOneBlock + kEnd},
      {"restart markers out of order",
       restarts + kOneBlock + kRestart0 + kOneBlock + kRestart0 + kOneBlock + kEnd},
      {"not a sequential scan", head + FrameHeader(3, 2) + ScanHeader(1, 0, 5) + kOneBlock + kEnd},
      {"component not in the frame", head + FrameHeader(3, 2) + ScanHeader(2) + kOneBlock + kEnd},
      {"component without a scan", head + FrameHeader(3, 2, 0xC0, 2) + ScanHeader(1) + kOneBlock + kEnd},
  };
  for (const auto& c : cases) EXPECT_FALSE(Frame(c.bytes)) << c.what;
}

}  // namespace
}  // namespace fw
