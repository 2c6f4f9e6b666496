#include "device/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace vekora {
namespace {

struct CatalogueCase {
    int code;
    DrivePath drive;
    LightingFamily lighting;
    const char* guide;
    int listEntry;  // -1: none
};

class Catalogue : public ::testing::TestWithParam<CatalogueCase> {};

TEST_P(Catalogue, LooksUpEveryPerModelFact) {
    const CatalogueCase& c = GetParam();
    const DeviceModel m = DeviceModelFromCode(c.code);
    EXPECT_EQ(DrivePathOf(m), c.drive);
    EXPECT_EQ(DrivenByDeviceLibrary(m), c.drive == DrivePath::DeviceLibrary);
    EXPECT_EQ(LightingFamilyOf(m), c.lighting);
    EXPECT_EQ(UserGuidePath(m), c.guide);
    EXPECT_EQ(DeviceListEntryOf(m).value_or(-1), c.listEntry);
    EXPECT_EQ(KeyboardDescription(m).empty(), m == DeviceModel::None);
}

constexpr auto kOwn = DrivePath::OwnReports;
constexpr auto kLib = DrivePath::DeviceLibrary;
constexpr auto kGen = LightingFamily::General;

INSTANTIATE_TEST_SUITE_P(
    AllCodes, Catalogue,
    ::testing::Values(
        CatalogueCase{1, kOwn, kGen, "doc/Vekora 61k User guide.pdf", 0},
        // Codes 2, 3 and 6 open no guide.
        CatalogueCase{2, kOwn, kGen, "", -1}, CatalogueCase{3, kOwn, kGen, "", -1},
        CatalogueCase{5, kOwn, kGen, "doc/Vekora 68k User guide.pdf", -1},
        CatalogueCase{6, kOwn, kGen, "", 0},
        CatalogueCase{7, kOwn, LightingFamily::SingleColour, "doc/Vekora 61sek User guide.pdf", 0},
        // Code 8 shares the 61 SE guide.
        CatalogueCase{8, kOwn, LightingFamily::SingleColour, "doc/Vekora 61sek User guide.pdf", 0},
        CatalogueCase{9, kLib, LightingFamily::Rgb, "doc/Vekora k87 User guide.pdf", 1},
        CatalogueCase{10, kLib, LightingFamily::Rgb, "doc/Vekora k98 User guide.pdf", 2},
        CatalogueCase{100, DrivePath::None, kGen, "", 2},
        CatalogueCase{0, DrivePath::None, kGen, "", -1},
        CatalogueCase{4, DrivePath::None, kGen, "", -1}),
    [](const auto& info) { return "code" + std::to_string(info.param.code); });

TEST(ModelCatalogue, DeviceListPicksMapBackToTheirModels) {
    EXPECT_EQ(ModelOfDeviceListEntry(0), DeviceModel::K61SE);
    EXPECT_EQ(ModelOfDeviceListEntry(1), DeviceModel::K87Rgb);
    EXPECT_EQ(ModelOfDeviceListEntry(2), DeviceModel::K98Rgb);
    EXPECT_EQ(ModelOfDeviceListEntry(3), DeviceModel::None);
    EXPECT_EQ(ModelOfDeviceListEntry(-1), DeviceModel::None);
    for (int entry = 0; entry < kDeviceListEntryCount; ++entry)
        EXPECT_EQ(DeviceListEntryOf(ModelOfDeviceListEntry(entry)), entry);
}

TEST(ModelCatalogue, OpenCodesAreThirtyLowerCaseHexDigitsForTheLibraryModelsOnly) {
    for (DeviceModel m : kAllDeviceModels) {
        const std::wstring_view code = OpenCode(m);
        if (!DrivenByDeviceLibrary(m)) {
            EXPECT_TRUE(code.empty()) << DeviceModelName(m);
            continue;
        }
        ASSERT_EQ(code.size(), kOpenCodeLength) << DeviceModelName(m);
        for (wchar_t c : code)
            EXPECT_TRUE((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f')) << DeviceModelName(m);
    }
    EXPECT_NE(OpenCode(DeviceModel::K87Rgb), OpenCode(DeviceModel::K98Rgb));
}

struct StartupCase {
    const char* name;
    DeviceModel scanned;
    int stored;
    DeviceModel expected;
};

class Startup : public ::testing::TestWithParam<StartupCase> {};

TEST_P(Startup, FallsBackToTheStoredModelThenK61) {
    EXPECT_EQ(StartupModel(GetParam().scanned, GetParam().stored), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Startup,
    ::testing::Values(
        StartupCase{"ScannedWins", DeviceModel::K87Rgb, 10, DeviceModel::K87Rgb},
        StartupCase{"StoredWhenNoneScanned", DeviceModel::None, 8, DeviceModel::K87SingleLight},
        StartupCase{"MissingBecomesK61", DeviceModel::None, 0, DeviceModel::K61},
        StartupCase{"UnknownStoredBecomesK61", DeviceModel::None, 4, DeviceModel::K61},
        StartupCase{"NegativeStoredBecomesK61", DeviceModel::None, -3, DeviceModel::K61}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModelCatalogue, ColourVariantOfZeroOrLessBecomesWhite) {
    EXPECT_EQ(NormalizedColorVariant(0), 1);
    EXPECT_EQ(NormalizedColorVariant(-5), 1);
    EXPECT_EQ(NormalizedColorVariant(1), 1);
    EXPECT_EQ(NormalizedColorVariant(3), 3);
    // Values beyond the four colours are kept; the look lookup offers nothing for them.
    EXPECT_EQ(NormalizedColorVariant(7), 7);
}

}  // namespace
}  // namespace vekora
