#include <gtest/gtest.h>

#include "device/DeviceLink.h"
#include "platform/sim/SimHidBus.h"
#include "platform/sim/SimPlatform.h"

namespace tx80 {
namespace {

using Collection = EmulatedMouse::Collection;

class DiscoveryTest : public ::testing::Test {
 protected:
  SimDesktop desktop;
  SimPlatform os{desktop};
  fw::Dialog dialog{102};
  SimWindowHost& window = os.windows.Open(dialog);
  DeviceLink link;
  SimHidBus& hid = os.hid;
};

TEST_F(DiscoveryTest, AbsentMouseTriesAHundredIndices) {
  hid.AddDevice({u"keyboard", {0x046D, 0xC31C}, {1, 6, 8, 0}});
  EXPECT_FALSE(link.Discover(hid, window));
  EXPECT_EQ(hid.IndicesTried(), 100);
  EXPECT_EQ(link.Handles().InputHandle, 0);
  EXPECT_EQ(hid.OpenAccessCounts(), (std::vector<int>{0, 0, 0}));  // the other device's probe was closed
  EXPECT_EQ(hid.Registrations(), 0);
}

TEST_F(DiscoveryTest, FindsBothCollectionsInEitherOrder) {
  for (auto order : {std::vector{Collection::Input, Collection::Command}, std::vector{Collection::Command, Collection::Input}}) {
    SimHidBus bus;
    DeviceLink found;
    bus.FailIndex(0);  // a failing index is skipped and counted
    bus.AddDevice({u"keyboard", {0x046D, 0xC31C}, {1, 6, 8, 0}});
    auto mouse = std::make_shared<EmulatedMouse>(order);
    bus.Plug(mouse);
    EXPECT_TRUE(found.Discover(bus, window));
    const DeviceHandles handles = found.Handles();
    EXPECT_GT(handles.InputHandle, 0);
    EXPECT_GT(handles.CommandHandle, 0);
    EXPECT_EQ(handles.InputCaps.usagePage, 0xFF00);
    EXPECT_EQ(handles.CommandCaps.featureReportByteLength, 8);
    EXPECT_EQ(handles.DevicePath, mouse->Interfaces().back().path);
    EXPECT_EQ(bus.IndicesTried(), 4);  // stopped once both are open
    EXPECT_EQ(bus.Registrations(), 2);
    EXPECT_EQ(bus.OpenAccessCounts(), (std::vector<int>{2, 1, 1}));  // matching probes stay open
  }
}

TEST_F(DiscoveryTest, AFailedOpenCountsAsFound) {
  auto mouse = std::make_shared<EmulatedMouse>();
  hid.Plug(mouse);
  hid.FailOpen(mouse->Interfaces()[1].path, HidAccess::Write);
  EXPECT_TRUE(link.Discover(hid, window));
  EXPECT_EQ(link.Handles().CommandHandle, kInvalidHidHandle);
  EXPECT_EQ(hid.IndicesTried(), 2);
}

TEST_F(DiscoveryTest, BroadcastPathMatchesWithoutRegardToCase) {
  auto mouse = std::make_shared<EmulatedMouse>();
  hid.Plug(mouse);
  ASSERT_TRUE(link.Discover(hid, window));
  std::u16string path = link.Handles().DevicePath;
  for (auto& c : path)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  EXPECT_TRUE(link.Matches(path));
  EXPECT_FALSE(link.Matches(path + u"x"));
}

}  // namespace
}  // namespace tx80
