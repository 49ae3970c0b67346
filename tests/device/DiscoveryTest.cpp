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

TEST_F(DiscoveryTest, AbsentMouseLooksToTheEndOfTheList) {
  hid.AddDevice({u"\\\\?\\hid#vid_046d&pid_c31c#keyboard", {0x046D, 0xC31C}, {1, 6, 8, 0}});
  // A path that names the mouse's ids but is something else: opened, looked at, closed.
  hid.AddDevice({u"\\\\?\\hid#vid_18f8&pid_0f99#stale", {0x046D, 0xC31C}, {1, 2, 8, 0}});
  EXPECT_FALSE(link.Discover(hid));
  EXPECT_EQ(hid.IndicesTried(), 3);  // two devices and the end
  EXPECT_EQ(link.Handles().InputHandle, 0);
  EXPECT_EQ(hid.OpenAccessCounts(), (std::vector<int>{0, 0, 0}));
}

TEST_F(DiscoveryTest, AMouseBehindAHundredAndFiftyInterfacesIsFoundWithoutOpeningThem) {
  for (int i = 0; i < 150; ++i) {
    const std::string text = "\\\\?\\hid#vid_1234&pid_" + std::to_string(1000 + i) + "#device";
    // These claim the mouse's ids when opened: only the path may tell.
    hid.AddDevice({std::u16string(text.begin(), text.end()), {0x18F8, 0x0F99}, {0xFF00, 1, 8, 0}});
  }
  hid.FailIndex(40);
  auto mouse = std::make_shared<EmulatedMouse>();
  hid.Plug(mouse);
  ASSERT_TRUE(link.Discover(hid));
  EXPECT_EQ(link.Handles().DevicePath, mouse->Interfaces().back().path);
  EXPECT_EQ(hid.OpenAccessCounts(), (std::vector<int>{2, 1, 1}));  // only the mouse's were opened
  EXPECT_EQ(hid.IndicesTried(), 153);
}

TEST_F(DiscoveryTest, AWindowIsRegisteredForNoticesOnce) {
  link.Watch(hid, window);
  link.Watch(hid, window);
  EXPECT_EQ(hid.Registrations(), 1);
}

TEST_F(DiscoveryTest, FindsBothCollectionsInEitherOrder) {
  for (auto order : {std::vector{Collection::Input, Collection::Command}, std::vector{Collection::Command, Collection::Input}}) {
    SimHidBus bus;
    DeviceLink found;
    bus.FailIndex(0);  // a failing index is skipped and counted
    bus.AddDevice({u"keyboard", {0x046D, 0xC31C}, {1, 6, 8, 0}});
    auto mouse = std::make_shared<EmulatedMouse>(order);
    bus.Plug(mouse);
    EXPECT_TRUE(found.Discover(bus));
    const DeviceHandles handles = found.Handles();
    EXPECT_GT(handles.InputHandle, 0);
    EXPECT_GT(handles.CommandHandle, 0);
    EXPECT_EQ(handles.InputCaps.usagePage, 0xFF00);
    EXPECT_EQ(handles.CommandCaps.featureReportByteLength, 8);
    EXPECT_EQ(handles.DevicePath, mouse->Interfaces().back().path);
    EXPECT_EQ(bus.IndicesTried(), 4);  // stopped once both are open
    EXPECT_EQ(bus.OpenAccessCounts(), (std::vector<int>{2, 1, 1}));  // matching probes stay open
  }
}

TEST_F(DiscoveryTest, AFailedOpenCountsAsFound) {
  auto mouse = std::make_shared<EmulatedMouse>();
  hid.Plug(mouse);
  hid.FailOpen(mouse->Interfaces()[1].path, HidAccess::Write);
  EXPECT_TRUE(link.Discover(hid));
  EXPECT_EQ(link.Handles().CommandHandle, kInvalidHidHandle);
  EXPECT_EQ(hid.IndicesTried(), 2);
}

TEST_F(DiscoveryTest, BroadcastPathMatchesWithoutRegardToCase) {
  auto mouse = std::make_shared<EmulatedMouse>();
  hid.Plug(mouse);
  ASSERT_TRUE(link.Discover(hid));
  std::u16string path = link.Handles().DevicePath;
  for (auto& c : path)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  EXPECT_TRUE(link.Matches(path));
  EXPECT_FALSE(link.Matches(path + u"x"));
}

}  // namespace
}  // namespace tx80
