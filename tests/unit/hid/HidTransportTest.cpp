#include "device/hid/HidTransport.h"

#include <gtest/gtest.h>

#include "DescriptorFixtures.h"
#include "FakeHidBackend.h"

namespace vekora {
namespace {

using testing::FakeHidBackend;
using testing::LoadDescriptor;

class HidTransport : public ::testing::Test {
protected:
    HidTransport() : scope_(backend_) {
        backend_.AddNode("/dev/hidraw0", 0x258A, 0x010C, 0, LoadDescriptor("boot_keyboard.hex"));
        backend_.AddNode("/dev/hidraw1", 0x258A, 0x010C, 1,
                         LoadDescriptor("vendor_two_collections.hex"), L"VEKORA K87-1980");
        backend_.AddNode("/dev/hidraw2", 0x0C45, 0x8075, 1, LoadDescriptor("vendor_feature_64.hex"),
                         L"VEKORA K61");
    }
    FakeHidBackend backend_;
    ScopedHidBackend scope_;
};

TEST_F(HidTransport, EnumeratesEveryTopLevelCollectionAsAnInterface) {
    const auto list = HidEnumerate();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].path, "/dev/hidraw0");
    EXPECT_EQ(list[0].usagePage, 0x0001);
    EXPECT_EQ(list[0].usage, 6);
    EXPECT_EQ(list[0].interfaceNumber, 0);
    EXPECT_EQ(list[1].path, "/dev/hidraw1&col01");
    EXPECT_EQ(list[1].interfaceName, "hid#vid_258a&pid_010c&mi_01&col01#/dev/hidraw1&col01");
    EXPECT_EQ(list[2].path, "/dev/hidraw1&col02");
    EXPECT_EQ(list[2].usagePage, 0xFF00);
    EXPECT_EQ(list[2].interfaceNumber, 1);
    EXPECT_EQ(list[3].path, "/dev/hidraw2");
    EXPECT_EQ(list[3].releaseNumber, 0x0105);
}

TEST_F(HidTransport, UnreadableDescriptorGivesUsageZero) {
    backend_.AddNode("/dev/hidraw9", 0x1234, 0x5678, -1, {0xC0});
    const auto list = HidEnumerate();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[4].usagePage, 0);
    EXPECT_EQ(list[4].interfaceNumber, -1);
    // Such an interface cannot be opened: its lengths are unknown.
    EXPECT_EQ(HidOpen("/dev/hidraw9", false), nullptr);
    EXPECT_FALSE(HidLastOpenError().empty());
}

struct LengthCase {
    const char* name;
    const char* path;
    int input;
    int output;
    int feature;
};

class OpenedLengths : public HidTransport, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(OpenedLengths, ComeFromTheCollectionOpened) {
    const LengthCase& c = GetParam();
    for (bool identifyOnly : {false, true}) {
        auto h = HidOpen(c.path, identifyOnly);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->inputReportLength, c.input);
        EXPECT_EQ(h->outputReportLength, c.output);
        EXPECT_EQ(h->featureReportLength, c.feature);
        EXPECT_EQ(h->readBuffer.size(), static_cast<std::size_t>(c.input));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Interfaces, OpenedLengths,
    ::testing::Values(LengthCase{"BootKeyboard", "/dev/hidraw0", 9, 2, 0},
                      LengthCase{"ConfigurationCollection", "/dev/hidraw1&col01", 0, 0, 520},
                      LengthCase{"NotificationCollection", "/dev/hidraw1&col02", 4, 0, 0},
                      LengthCase{"WholeNode", "/dev/hidraw1", 4, 0, 520},
                      LengthCase{"ShortFamily", "/dev/hidraw2", 0, 0, 65}),
    [](const ::testing::TestParamInfo<LengthCase>& info) { return info.param.name; });

TEST_F(HidTransport, OpenFailsForMissingNodesAndCollections) {
    EXPECT_EQ(HidOpen("/dev/hidraw7", false), nullptr);
    EXPECT_EQ(HidOpen("/dev/hidraw1&col03", false), nullptr);
    EXPECT_FALSE(HidLastOpenError().empty());
}

TEST_F(HidTransport, ReadsStringsAndFeatureReports) {
    auto h = HidOpen("/dev/hidraw2", true);
    ASSERT_NE(h, nullptr);
    std::wstring text;
    EXPECT_EQ(HidGetProductString(*h, text), 0);
    EXPECT_EQ(text, L"VEKORA K61");
    EXPECT_EQ(HidGetManufacturerString(*h, text), 0);
    EXPECT_EQ(text, L"Vekora");

    std::uint8_t report[65] = {0, 0x04, 0x30};
    EXPECT_EQ(HidSendFeature(*h, report, 65), 65);
    EXPECT_EQ(HidGetFeature(*h, report, 65), 64);  // the report id is not counted
    EXPECT_EQ(report[4], 1);
}

TEST_F(HidTransport, FailuresReturnMinusOneAndKeepTheirText) {
    auto h = HidOpen("/dev/hidraw2", true);
    ASSERT_NE(h, nullptr);
    backend_.RemoveNode("/dev/hidraw2");
    std::uint8_t report[65] = {};
    EXPECT_EQ(HidSendFeature(*h, report, 65), -1);
    EXPECT_EQ(h->lastError, L"Device disconnected");
    EXPECT_EQ(HidGetFeature(*h, report, 65), -1);
    std::wstring text;
    EXPECT_EQ(HidGetProductString(*h, text), -1);
}

struct InputCase {
    const char* name;
    std::vector<std::uint8_t> report;  // as delivered, report id first
    std::vector<std::uint8_t> copied;
};

class ReadInput : public HidTransport, public ::testing::WithParamInterface<InputCase> {};

TEST_P(ReadInput, DropsOnlyALeadingZeroReportId) {
    auto h = HidOpen("/dev/hidraw1&col02", false);
    ASSERT_NE(h, nullptr);
    backend_.Node("/dev/hidraw1")->inputs.push_back(GetParam().report);
    std::uint8_t out[64] = {};
    const int n = HidReadInput(*h, out);
    ASSERT_EQ(n, static_cast<int>(GetParam().copied.size()));
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + n), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReadInput,
    ::testing::Values(
        InputCase{"NumberedReportKeepsItsId", {0x03, 0x08, 0x01, 0x00}, {0x03, 0x08, 0x01, 0x00}},
        InputCase{"UnnumberedReportLosesTheZero", {0x00, 0x08, 0x01, 0x02}, {0x08, 0x01, 0x02}}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return info.param.name; });

TEST_F(HidTransport, ReadWithNothingQueuedReturnsZeroAndStaysPending) {
    auto h = HidOpen("/dev/hidraw1&col02", false);
    ASSERT_NE(h, nullptr);
    std::uint8_t out[64] = {0xAA};
    EXPECT_EQ(HidReadInput(*h, out), 0);
    EXPECT_TRUE(h->readPending);
    EXPECT_EQ(out[0], 0xAA);
    backend_.Node("/dev/hidraw1")->inputs.push_back({0x03, 0x08, 0x02, 0x00});
    EXPECT_EQ(HidReadInput(*h, out), 4);
    EXPECT_FALSE(h->readPending);
}

TEST_F(HidTransport, ReadOnAnInterfaceWithoutInputReportsFails) {
    auto h = HidOpen("/dev/hidraw2", false);
    ASSERT_NE(h, nullptr);
    std::uint8_t out[64] = {};
    EXPECT_EQ(HidReadInput(*h, out), -1);
    EXPECT_FALSE(h->lastError.empty());
}

}  // namespace
}  // namespace vekora

namespace vekora {
namespace {

TEST(HidBackendGuard, ReachingRealKeyboardsFromATestAborts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    setenv("VEKORA_HID_FORBID_HARDWARE", "1", 1);
    unsetenv("VEKORA_HID_SIM");
    HidShutdown();
    EXPECT_DEATH(CurrentHidBackend(), "a test reached the real HID backend");
}

}  // namespace
}  // namespace vekora
