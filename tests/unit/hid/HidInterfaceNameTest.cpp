#include "device/hid/HidInterfaceName.h"

#include <gtest/gtest.h>

namespace vekora {
namespace {

TEST(InterfaceName, CarriesIdsAndUsbInterfaceLikeTheKeyboardsRulesExpect) {
    EXPECT_EQ(BuildInterfaceName(0x258A, 0x010C, 1, 0, "/dev/hidraw3"),
              "hid#vid_258a&pid_010c&mi_01#/dev/hidraw3");
    EXPECT_EQ(BuildInterfaceName(0x0C45, 0x8075, 1, 2, "/dev/hidraw3&col02"),
              "hid#vid_0c45&pid_8075&mi_01&col02#/dev/hidraw3&col02");
    EXPECT_EQ(BuildInterfaceName(0x046D, 0xC52B, -1, 0, "/dev/hidraw0"),
              "hid#vid_046d&pid_c52b#/dev/hidraw0");
    // Upper-cased, as notifications are matched.
    EXPECT_NE(
        ToUpperAscii(BuildInterfaceName(0x258A, 0x010C, 1, 0, "x")).find("VID_258A&PID_010C&MI_01"),
        std::string::npos);
}

struct NumberCase {
    const char* name;
    const char* text;
    int number;
};

class InterfaceNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(InterfaceNumber, IsTheHexNumberAfterMi) {
    EXPECT_EQ(InterfaceNumberFromName(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Names, InterfaceNumber,
    ::testing::Values(NumberCase{"Interface1", "hid#vid_258a&pid_010c&mi_01#x", 1},
                      NumberCase{"HexDigits", "hid#vid_258a&pid_010c&mi_0a#x", 10},
                      NumberCase{"UpperCase", "HID#VID_258A&PID_010C&MI_02&COL01#X", 2},
                      NumberCase{"NoMi", "hid#vid_258a&pid_010c#x", -1},
                      NumberCase{"NoDigitsAfterMi", "hid#vid_258a&pid_010c&mi_#x", -1}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

struct DevpathCase {
    const char* name;
    const char* devpath;
    bool valid;
    std::uint16_t vid;
    std::uint16_t pid;
    int iface;
    const char* node;
};

class HidrawDevpath : public ::testing::TestWithParam<DevpathCase> {};

TEST_P(HidrawDevpath, GivesIdsInterfaceAndNode) {
    const DevpathCase& c = GetParam();
    const auto id = ParseHidrawDevpath(c.devpath);
    ASSERT_EQ(id.has_value(), c.valid);
    if (!c.valid) {
        return;
    }
    EXPECT_EQ(id->vendorId, c.vid);
    EXPECT_EQ(id->productId, c.pid);
    EXPECT_EQ(id->interfaceNumber, c.iface);
    EXPECT_EQ(id->node, c.node);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, HidrawDevpath,
    ::testing::Values(
        DevpathCase{"UsbInterface1",
                    "/devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.1/0003:258A:010C.0004/"
                    "hidraw/hidraw3",
                    true, 0x258A, 0x010C, 1, "hidraw3"},
        DevpathCase{"BehindAHub",
                    "/devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1.4/1-1.4:1.0/0003:0C45:8075.000A/"
                    "hidraw/hidraw12",
                    true, 0x0C45, 0x8075, 0, "hidraw12"},
        DevpathCase{"NotUsb", "/devices/virtual/misc/uhid/0003:1234:5678.0001/hidraw/hidraw0", true,
                    0x1234, 0x5678, -1, "hidraw0"},
        DevpathCase{"NotHidraw", "/devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.1/input/input5",
                    false, 0, 0, 0, ""},
        DevpathCase{"BrokenHidElement", "/devices/usb1/1-1/1-1:1.1/0003:258A/hidraw/hidraw3", false,
                    0, 0, 0, ""}),
    [](const ::testing::TestParamInfo<DevpathCase>& info) { return info.param.name; });

TEST(CollectionPath, SplitsAndJoinsTheCollectionSuffix) {
    const auto split = SplitCollectionPath("/dev/hidraw3&col02");
    EXPECT_EQ(split.node, "/dev/hidraw3");
    EXPECT_EQ(split.collection, 2);
    EXPECT_EQ(SplitCollectionPath("/dev/hidraw3").collection, 0);
    EXPECT_EQ(SplitCollectionPath("/dev/hidraw3&col00").node, "/dev/hidraw3&col00");
    EXPECT_EQ(JoinCollectionPath("sim/0/1", 1), "sim/0/1&col01");
    EXPECT_EQ(JoinCollectionPath("sim/0/1", 0), "sim/0/1");
}

}  // namespace
}  // namespace vekora
