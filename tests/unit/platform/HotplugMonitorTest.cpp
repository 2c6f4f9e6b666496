#include <gtest/gtest.h>

#include "platform/hotplug/SimHotplugMonitor.h"
#include "platform/hotplug/UdevHotplugMonitor.h"

namespace vekora {
namespace {

struct UeventCase {
    const char* name;
    const char* action;
    const char* devpath;
    bool valid;
    DeviceChangeKind kind;
    const char* interfaceName;
};

class HidrawUevent : public ::testing::TestWithParam<UeventCase> {};

TEST_P(HidrawUevent, BecomesANamedArrivalOrRemoval) {
    const UeventCase& c = GetParam();
    const auto event = HidrawEvent(c.action, c.devpath);
    ASSERT_EQ(event.has_value(), c.valid);
    if (c.valid) {
        EXPECT_EQ(event->kind, c.kind);
        EXPECT_EQ(event->interfaceName, c.interfaceName);
    }
}

constexpr const char* kConfigNode =
    "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:258A:010C.0007/hidraw/hidraw5";

INSTANTIATE_TEST_SUITE_P(
    Uevents, HidrawUevent,
    ::testing::Values(UeventCase{"Add", "add", kConfigNode, true, DeviceChangeKind::Arrival,
                                 "hid#vid_258a&pid_010c&mi_01#/dev/hidraw5"},
                      UeventCase{"Remove", "remove", kConfigNode, true, DeviceChangeKind::Removal,
                                 "hid#vid_258a&pid_010c&mi_01#/dev/hidraw5"},
                      UeventCase{"Change", "change", kConfigNode, false, DeviceChangeKind::Arrival,
                                 ""},
                      UeventCase{"NotHidraw", "add", "/devices/virtual/net/lo", false,
                                 DeviceChangeKind::Arrival, ""}),
    [](const ::testing::TestParamInfo<UeventCase>& info) { return info.param.name; });

TEST(SimHotplug, ParsesTheSimulatorsEventLines) {
    const auto arrival = SimHotplugMonitor::ParseLine("arrival sim/3/1 258a 010c 1");
    ASSERT_TRUE(arrival);
    EXPECT_EQ(arrival->kind, DeviceChangeKind::Arrival);
    EXPECT_EQ(arrival->path, "sim/3/1");
    EXPECT_EQ(arrival->interfaceName, "hid#vid_258a&pid_010c&mi_01#sim/3/1");
    const auto removal = SimHotplugMonitor::ParseLine("removal sim/3/0 0c45 8075 0");
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->kind, DeviceChangeKind::Removal);
    EXPECT_FALSE(SimHotplugMonitor::ParseLine("arrival sim/3/1 258a"));
    EXPECT_FALSE(SimHotplugMonitor::ParseLine("plug sim/3/1 258a 010c 1"));
    EXPECT_FALSE(SimHotplugMonitor::ParseLine("arrival sim/3/1 zz 010c 1"));
}

TEST(UdevHotplug, KernelSourceGivesAPollableMonitor) {
    // The kernel's own events need no udev daemon, so this works on any Linux machine.
    UdevHotplugMonitor monitor("kernel");
    EXPECT_GE(monitor.Fd(), 0);
    monitor.TakeEvents();  // draining returns at once, with or without events
}

}  // namespace
}  // namespace vekora
