#include "device/hid/HidReportDescriptor.h"

#include <gtest/gtest.h>

#include "DescriptorFixtures.h"

namespace vekora {
namespace {

struct DescriptorCase {
    const char* name;
    const char* file;
    std::uint16_t usagePage;
    std::uint16_t usage;
    bool numbered;
    int input;
    int output;
    int feature;
    std::size_t collections;
};

class ReportDescriptorFixture : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(ReportDescriptorFixture, GivesUsageAndReportLengths) {
    const DescriptorCase& c = GetParam();
    const auto bytes = testing::LoadDescriptor(c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    const HidDescriptorInfo info = ParseReportDescriptor(bytes);
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.usagePage, c.usagePage);
    EXPECT_EQ(info.usage, c.usage);
    EXPECT_EQ(info.numberedReports, c.numbered);
    EXPECT_EQ(info.inputReportLength, c.input);
    EXPECT_EQ(info.outputReportLength, c.output);
    EXPECT_EQ(info.featureReportLength, c.feature);
    EXPECT_EQ(info.collections.size(), c.collections);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ReportDescriptorFixture,
    ::testing::Values(
        DescriptorCase{"VendorFeature520WithReportId6", "vendor_feature_520.hex", 0xFF00, 1, true,
                       0, 0, 520, 1},
        DescriptorCase{"VendorFeature64WithoutReportIds", "vendor_feature_64.hex", 0xFF00, 1, false,
                       0, 0, 65, 1},
        DescriptorCase{"VendorInput4", "vendor_input_4.hex", 0xFF00, 1, true, 4, 0, 0, 1},
        DescriptorCase{"BootKeyboard", "boot_keyboard.hex", 0x0001, 6, false, 9, 2, 0, 1},
        DescriptorCase{"TwoCollectionsOnOneNode", "vendor_two_collections.hex", 0xFF00, 1, true, 4,
                       0, 520, 2}),
    [](const ::testing::TestParamInfo<DescriptorCase>& info) { return info.param.name; });

TEST(ReportDescriptor, KeepsEachTopLevelCollectionApart) {
    const auto info = ParseReportDescriptor(testing::LoadDescriptor("vendor_two_collections.hex"));
    ASSERT_EQ(info.collections.size(), 2u);
    EXPECT_EQ(info.collections[0].featureReportLength, 520);
    EXPECT_EQ(info.collections[0].inputReportLength, 0);
    EXPECT_EQ(info.collections[1].featureReportLength, 0);
    EXPECT_EQ(info.collections[1].inputReportLength, 4);
    EXPECT_EQ(info.collections[1].usagePage, 0xFF00);
    EXPECT_EQ(info.collections[1].usage, 1);
}

TEST(ReportDescriptor, TakesTheLongestReportOfEachKindAcrossReportIds) {
    // Two feature reports, id 1 with 8 bytes and id 2 with 32 bytes.
    const std::vector<std::uint8_t> d = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  //
                                         0x85, 0x01, 0x75, 0x08, 0x95, 0x08, 0xB1, 0x02,
                                         0x85, 0x02, 0x95, 0x20, 0xB1, 0x02, 0xC0};
    const auto info = ParseReportDescriptor(d);
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.featureReportLength, 33);
}

TEST(ReportDescriptor, PushAndPopRestoreTheGlobalState) {
    // Report size 8 is pushed, changed to 1 and popped back before the feature item.
    const std::vector<std::uint8_t> d = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08,
                                         0xA4, 0x75, 0x01, 0xB4, 0x95, 0x10, 0xB1, 0x02, 0xC0};
    const auto info = ParseReportDescriptor(d);
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.featureReportLength, 17);
}

struct MalformedCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

class MalformedDescriptor : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptor, IsRejected) {
    EXPECT_FALSE(ParseReportDescriptor(GetParam().bytes).valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedDescriptor,
    ::testing::Values(
        MalformedCase{"Empty", {}}, MalformedCase{"ItemRunsPastTheEnd", {0x06, 0x00}},
        MalformedCase{"UnclosedCollection", {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01}},
        MalformedCase{"EndWithoutCollection", {0xC0}},
        MalformedCase{"PopWithoutPush", {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0xB4, 0xC0}},
        MalformedCase{"ReportIdZero", {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x00, 0xC0}},
        MalformedCase{"ReportOutsideAnyCollection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}},
        MalformedCase{"TruncatedLongItem", {0xFE, 0x10}},
        // Report Size 32 x Report Count 0xFFFFFFFF: far beyond any real report.
        MalformedCase{"ImplausiblyLongReport",
                      {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x20, 0x97, 0xFF, 0xFF, 0xFF,
                       0xFF, 0xB1, 0x02, 0xC0}}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vekora
