#include "device/CommandReport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/SimHidBus.h"
#include "support/Reports.h"

namespace tx80 {
namespace {

using test::HexPrefix;

class CommandReportTest : public ::testing::Test {
 protected:
  void Connect() {
    hid.Plug(mouse);
    link.Discover(hid);
  }

  std::shared_ptr<EmulatedMouse> mouse = std::make_shared<EmulatedMouse>();
  SimHidBus hid;
  DeviceLink link;
  CommandReport report{hid, link};
};

TEST(CommandBytes, EncodeTheirArguments) {
  EXPECT_EQ(DpiLedByte(2, 1), 0xA1);
  EXPECT_EQ(DpiLedByte(0, 0), 0x80);
  EXPECT_EQ(DpiLedByte(4, 3), 0xC3);
  EXPECT_EQ(DpiLedByte(9, 17), 0x91);  // out-of-range values stay within their fields
  EXPECT_EQ(FireTimeCommand(7).first, 0);
  EXPECT_EQ(FireTimeCommand(50).first, 6);
  EXPECT_EQ(FireTimeCommand(300).first, 37);
  EXPECT_EQ(WheelCommand(257).first, 1);
}

TEST_F(CommandReportTest, EveryCommandWritesTheCollectionsLength) {
  Connect();
  report.Send(FireTimeCommand(50));
  report.SendIfOpen(ButtonCommand(5, 31));
  report.Send(DpiLedCommand(2, DpiLedByte(2, 1)));
  report.Send(WheelCommand(1));
  report.SendIfOpen(CloseCommand());
  const auto sent = mouse->Reports();
  ASSERT_EQ(sent.size(), 5u);
  EXPECT_EQ(HexPrefix(sent[0], 8), "07 12 06 00 00 00 00 00");
  EXPECT_EQ(HexPrefix(sent[1], 8), "07 10 05 1F 00 00 00 00");
  EXPECT_EQ(HexPrefix(sent[2], 8), "07 09 02 A1 00 00 00 00");
  EXPECT_EQ(HexPrefix(sent[3], 8), "07 11 01 00 00 00 00 00");
  EXPECT_EQ(HexPrefix(sent[4], 8), "07 20 00 00 00 00 00 00");
}

TEST_F(CommandReportTest, ButtonAndCloseSkipAFailedCommandCollection) {
  hid.Plug(mouse);
  hid.FailOpen(mouse->Interfaces()[1].path, HidAccess::Write);
  link.Discover(hid);
  report.SendIfOpen(ButtonCommand(1, 1));
  report.SendIfOpen(CloseCommand());
  report.Send(WheelCommand(0));  // attempted whatever the handle; fails silently
  EXPECT_TRUE(mouse->Reports().empty());
}

TEST(CommandReportLength, LongerThanTheBufferIsZeroFilled) {
  SimHidBus hid;
  hid.AddDevice({u"hid#vid_18f8&pid_0f99#in", {0x18F8, 0x0F99}, {0xFF00, 1, 8, 0}});
  hid.AddDevice({u"hid#vid_18f8&pid_0f99#wide", {0x18F8, 0x0F99}, {0xFF01, 1, 0, 300}});
  DeviceLink link;
  ASSERT_TRUE(link.Discover(hid));
  CommandReport report(hid, link);
  report.Send(WheelCommand(1));
  const auto sent = hid.OtherReports();
  ASSERT_EQ(sent.size(), 1u);
  ASSERT_EQ(sent[0].size(), 300u);
  EXPECT_EQ(test::HexPrefix(sent[0], 4), "07 11 01 00");
  EXPECT_TRUE(std::all_of(sent[0].begin() + 4, sent[0].end(), [](uint8_t b) { return b == 0; }));
}

}  // namespace
}  // namespace tx80
