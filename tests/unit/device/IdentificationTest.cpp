#include "device/Identification.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vekora {
namespace {

// ---- Candidates and the vendor-interface test ------------------------------------------------

struct CandidateCase {
    const char* name;
    std::uint16_t vendorId;
    std::uint16_t productId;
    int expectedEntry;  // index into the start-up list, -1: not a candidate
};

class Candidate : public ::testing::TestWithParam<CandidateCase> {};

TEST_P(Candidate, OnlyIdsOfASupportedEntryAreCandidates) {
    const auto supported = StartupSupportedDevices();
    const CandidateCase& c = GetParam();
    const SupportedDevice* found = FindSupported(supported, c.vendorId, c.productId);
    if (c.expectedEntry < 0)
        EXPECT_EQ(found, nullptr);
    else
        EXPECT_EQ(found, &supported[static_cast<std::size_t>(c.expectedEntry)]);
}

INSTANTIATE_TEST_SUITE_P(Ids, Candidate,
                         ::testing::Values(CandidateCase{"RgbIdsFirstEntry", 0x258A, 0x010C, 0},
                                           CandidateCase{"ShortFamilyIds", 0x0C45, 0x8075, 2},
                                           CandidateCase{"OtherProduct", 0x258A, 0x010D, -1},
                                           CandidateCase{"MixedPair", 0x0C45, 0x010C, -1},
                                           CandidateCase{"Zero", 0, 0, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct VendorCase {
    const char* name;
    InterfaceTraits traits;
    VendorInterfaceRole role;
};

class VendorInterface : public ::testing::TestWithParam<VendorCase> {};

TEST_P(VendorInterface, ClassifiesByCollectionAndReportLength) {
    EXPECT_EQ(ClassifyVendorInterface(GetParam().traits), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(
    Traits, VendorInterface,
    ::testing::Values(
        VendorCase{"Keyboard", {0xFF00, 1, 520, 0}, VendorInterfaceRole::Keyboard},
        VendorCase{
            "KeyboardEvenWithShortInput", {0xFF00, 1, 520, 4}, VendorInterfaceRole::Keyboard},
        VendorCase{"Secondary", {0xFF00, 1, 0, 4}, VendorInterfaceRole::Secondary},
        VendorCase{"WrongUsagePage", {0xFF01, 1, 520, 0}, VendorInterfaceRole::Ignore},
        VendorCase{"StandardKeyboardPage", {0x0001, 6, 520, 8}, VendorInterfaceRole::Ignore},
        VendorCase{"WrongUsage", {0xFF00, 2, 520, 0}, VendorInterfaceRole::Ignore},
        VendorCase{"ShortFeatureReports", {0xFF00, 1, 65, 0}, VendorInterfaceRole::Ignore},
        VendorCase{"FeatureOneByteShort", {0xFF00, 1, 519, 0}, VendorInterfaceRole::Ignore},
        VendorCase{"NoReports", {0xFF00, 1, 0, 0}, VendorInterfaceRole::Ignore}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Identification, OnlyThePrimaryVendorSkipsTheTagTest) {
    EXPECT_FALSE(IdentifiedByInterfaceTag(0x258A));
    EXPECT_TRUE(IdentifiedByInterfaceTag(0x0C45));
}

struct TagCase {
    const char* name;
    const wchar_t* path;
    const wchar_t* tag;
    bool found;
};

class InterfaceTag : public ::testing::TestWithParam<TagCase> {};

TEST_P(InterfaceTag, IsACaseSensitiveSubstringOfThePath) {
    EXPECT_EQ(PathHasInterfaceTag(GetParam().path, GetParam().tag), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, InterfaceTag,
    ::testing::Values(
        TagCase{"LowerCasePath", L"\\\\?\\hid#vid_0c45&pid_8075&mi_01#7&1&0000", L"mi_01", true},
        TagCase{"UpperCasePathMisses", L"\\\\?\\HID#VID_0C45&PID_8075&MI_01#7&1&0000", L"mi_01",
                false},
        TagCase{"OtherInterface", L"\\\\?\\hid#vid_0c45&pid_8075&mi_00#7&1&0000", L"mi_01", false},
        TagCase{"EmptyTagAdmitsNothing", L"\\\\?\\hid#vid_0c45&pid_8075&mi_01", L"", false},
        TagCase{"EmptyPath", L"", L"mi_01", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Matching the known records ----------------------------------------------------------------

struct MatchCase {
    const char* name;
    std::uint16_t vendorId;
    std::uint16_t productId;
    const wchar_t* product;
    DeviceModel model;  // None: no record matches
};

class KnownMatch : public ::testing::TestWithParam<MatchCase> {};

// The model of the first record the keyboard matches, as the scan handler assigns it.
DeviceModel ModelFor(const std::vector<KnownDevice>& records, const KeyboardIdentity& kb) {
    for (const KnownDevice& r : records) {
        if (FindKeyboardFor(r, std::span(&kb, 1)) == 0)
            return r.model;
    }
    return DeviceModel::None;
}

TEST_P(KnownMatch, ProductStringPicksTheModelExactly) {
    const MatchCase& c = GetParam();
    const KeyboardIdentity kb{c.vendorId, c.productId, c.product};
    EXPECT_EQ(ModelFor(StartupKnownDevices(), kb), c.model);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboards, KnownMatch,
    ::testing::Values(
        MatchCase{"K87Rgb", 0x258A, 0x010C, L"VEKORA K87-1980", DeviceModel::K87Rgb},
        MatchCase{"K98Rgb", 0x258A, 0x010C, L"VEKORA K98-1980", DeviceModel::K98Rgb},
        MatchCase{"LowerCaseName", 0x258A, 0x010C, L"vekora k87-1980", DeviceModel::None},
        MatchCase{"TrailingSpace", 0x258A, 0x010C, L"VEKORA K87-1980 ", DeviceModel::None},
        MatchCase{"OtherName", 0x258A, 0x010C, L"Gaming Keyboard", DeviceModel::None},
        MatchCase{"RightNameWrongProduct", 0x258A, 0x010D, L"VEKORA K87-1980", DeviceModel::None},
        MatchCase{"K61", 0x0C45, 0x8075, L"VEKORA K61", DeviceModel::K61},
        MatchCase{"K68", 0x0C45, 0x8075, L"VEKORA K68", DeviceModel::K68},
        MatchCase{"K61SingleLight", 0x0C45, 0x8075, L"VEKORA K61 SL", DeviceModel::K61SingleLight},
        MatchCase{"K61SE", 0x258A, 0x010C, L"VEKORA K61SE", DeviceModel::K61SE},
        MatchCase{"K87SingleLight", 0x258A, 0x010C, L"VEKORA K87 SL", DeviceModel::K87SingleLight},
        MatchCase{"ShortNameOnLongIds", 0x258A, 0x010C, L"VEKORA K61", DeviceModel::None},
        MatchCase{"LongNameOnShortIds", 0x0C45, 0x8075, L"VEKORA K61SE", DeviceModel::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Identification, TheFirstMatchingKeyboardGivesTheIndex) {
    const KnownDevice k98 = StartupKnownDevices()[1];
    const std::vector<KeyboardIdentity> keyboards = {
        {0x258A, 0x010C, L"VEKORA K87-1980"},
        {0x258A, 0x010C, L"VEKORA K98-1980"},
        {0x258A, 0x010C, L"VEKORA K98-1980"},
    };
    EXPECT_EQ(FindKeyboardFor(k98, keyboards), 1);
    EXPECT_EQ(FindKeyboardFor(k98, std::span(keyboards).first(1)), -1);
    EXPECT_EQ(FindKeyboardFor(k98, {}), -1);
}

// ---- Hot-plug names ----------------------------------------------------------------------------

struct HotplugCase {
    const char* name;
    const wchar_t* interfaceName;
    int record;  // index in the start-up known list, -1: ignored
};

class Hotplug : public ::testing::TestWithParam<HotplugCase> {};

TEST_P(Hotplug, MatchesIdsAndTagInTheUpperCasedName) {
    const auto records = StartupKnownDevices();
    EXPECT_EQ(FindHotplugRecord(GetParam().interfaceName, records), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Names, Hotplug,
    ::testing::Values(
        HotplugCase{"RgbUpper", L"\\\\?\\HID#VID_258A&PID_010C&MI_01#8&2&0000#{4d1e55b2}", 0},
        HotplugCase{"RgbLowerIsUpperCasedFirst", L"\\\\?\\hid#vid_258a&pid_010c&mi_01#8&2&0000", 0},
        HotplugCase{"ShortFamily", L"\\\\?\\usb#vid_0c45&pid_8075&mi_01#7&1", 2},
        HotplugCase{"OtherInterfaceNumber", L"\\\\?\\hid#vid_258a&pid_010c&mi_00#8&2", -1},
        HotplugCase{"OtherProduct", L"\\\\?\\hid#vid_258a&pid_010d&mi_01#8&2", -1},
        HotplugCase{"VendorOnly", L"\\\\?\\hid#vid_258a&mi_01", -1}, HotplugCase{"Empty", L"", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Identification, ArrivalNeedsOneOfTheTwoFeatureReportLengths) {
    EXPECT_TRUE(IsArrivalFeatureReportLength(520));
    EXPECT_TRUE(IsArrivalFeatureReportLength(65));
    EXPECT_FALSE(IsArrivalFeatureReportLength(64));
    EXPECT_FALSE(IsArrivalFeatureReportLength(0));
    EXPECT_FALSE(IsArrivalFeatureReportLength(521));
}

// ---- Revision flag -----------------------------------------------------------------------------

struct RevisionCase {
    const char* name;
    DeviceModel model;
    std::uint16_t vendorId;
    std::uint16_t productId;
    bool sets;
};

class Revision : public ::testing::TestWithParam<RevisionCase> {};

TEST_P(Revision, FollowsModelAndIds) {
    const RevisionCase& c = GetParam();
    const KnownDevice record{L"any", c.model, c.vendorId, c.productId, L"MI_01"};
    EXPECT_EQ(SetsRevisionFlag(record), c.sets);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Revision,
    ::testing::Values(RevisionCase{"K61Revised", DeviceModel::K61, 0x0C45, 0x8075, true},
                      RevisionCase{"K61OtherIds", DeviceModel::K61, 0x258A, 0x010C, false},
                      RevisionCase{"K61OtherProduct", DeviceModel::K61, 0x0C45, 0x8076, false},
                      RevisionCase{"K68NeverSets", DeviceModel::K68, 0x0C45, 0x8075, false},
                      RevisionCase{"K61Cnc", DeviceModel::K61Cnc, 0x0C45, 0x8075, false},
                      RevisionCase{"K61SingleLight", DeviceModel::K61SingleLight, 0, 0, true},
                      RevisionCase{"K61SE", DeviceModel::K61SE, 0, 0, true},
                      RevisionCase{"K87SingleLight", DeviceModel::K87SingleLight, 0, 0, true},
                      RevisionCase{"K87Rgb", DeviceModel::K87Rgb, 0x258A, 0x010C, true},
                      RevisionCase{"K98Rgb", DeviceModel::K98Rgb, 0x258A, 0x010C, true},
                      RevisionCase{"NewModel", DeviceModel::NewModel, 0, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
