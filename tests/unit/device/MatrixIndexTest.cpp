#include "device/MatrixIndex.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "device/KeyCodes.h"

namespace vekora {
namespace {

constexpr MatrixVariant kAllVariants[] = {MatrixVariant::KeyMapRevision, MatrixVariant::KeyMapPlain,
                                          MatrixVariant::LightRevision, MatrixVariant::LightPlain,
                                          MatrixVariant::Light68};

const char* VariantName(MatrixVariant v) {
    switch (v) {
        case MatrixVariant::KeyMapRevision:
            return "KeyMapRevision";
        case MatrixVariant::KeyMapPlain:
            return "KeyMapPlain";
        case MatrixVariant::LightRevision:
            return "LightRevision";
        case MatrixVariant::LightPlain:
            return "LightPlain";
        case MatrixVariant::Light68:
            return "Light68";
    }
    return "?";
}

// ---- Each variant differs from the base table in exactly its documented entries ------------

struct VariantCase {
    MatrixVariant variant;
    std::map<int, std::pair<int, int>> changes;  // code: {base index, variant index}
};

class VariantDiff : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantDiff, DiffersFromTheBaseOnlyAsDocumented) {
    std::map<int, std::pair<int, int>> found;
    for (int code = -1; code < 300; ++code) {
        const int base = MatrixIndex(MatrixVariant::KeyMapPlain, code);
        const int v = MatrixIndex(GetParam().variant, code);
        if (base != v)
            found[code] = {base, v};
    }
    EXPECT_EQ(found, GetParam().changes);
}

const std::map<int, std::pair<int, int>> kLightPlainChanges = {
    {41, {1, 19}}, {53, {19, 117}}, {75, {118, 119}}, {76, {119, 121}}, {78, {121, 118}}};

INSTANTIATE_TEST_SUITE_P(
    Variants, VariantDiff,
    ::testing::Values(VariantCase{MatrixVariant::KeyMapPlain, {}},
                      VariantCase{MatrixVariant::KeyMapRevision,
                                  {{191, {0, 96}}, {244, {0, 98}}, {246, {0, 95}}}},
                      VariantCase{MatrixVariant::LightRevision,
                                  {{41, {1, 19}},
                                   {101, {97, 96}},
                                   {175, {96, 98}},
                                   {228, {98, 97}},
                                   {191, {0, 96}},
                                   {244, {0, 95}},
                                   {246, {0, 98}}}},
                      VariantCase{MatrixVariant::LightPlain, kLightPlainChanges},
                      VariantCase{MatrixVariant::Light68, kLightPlainChanges}),
    [](const auto& info) { return std::string(VariantName(info.param.variant)); });

// ---- Base-table entries and the shared index --------------------------------------------------

struct IndexCase {
    int code;
    int index;
};

class BaseIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(BaseIndex, SampledEntries) {
    EXPECT_EQ(MatrixIndex(MatrixVariant::KeyMapPlain, GetParam().code), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BaseIndex,
    ::testing::Values(IndexCase{key::A, 56}, IndexCase{key::Esc, 1}, IndexCase{key::F1, 2},
                      IndexCase{key::F12, 13}, IndexCase{key::Grave, 19},
                      IndexCase{key::Digit1, 20}, IndexCase{key::Backslash, 67},
                      IndexCase{key::NonUsHash, 67}, IndexCase{key::Space, 94},
                      IndexCase{key::LeftCtrl, 91}, IndexCase{key::Fn, 96},
                      IndexCase{key::Application, 97}, IndexCase{key::RightCtrl, 98},
                      IndexCase{key::Backspace, 103}, IndexCase{223, 124}, IndexCase{239, 109},
                      IndexCase{key::LaunchApp2, 109}, IndexCase{key::RightWin, 0},
                      IndexCase{50 + 200, 0}, IndexCase{0, 0}, IndexCase{-7, 0}),
    [](const auto& info) {
        const int c = info.param.code;
        return c < 0 ? "minus" + std::to_string(-c) : "code" + std::to_string(c);
    });

TEST(MatrixIndex, BaseTableHasItsDocumentedEntriesAndFitsTheDataArea) {
    int entries = 0;
    for (int code = 0; code < 256; ++code) {
        for (MatrixVariant v : kAllVariants) {
            const int i = MatrixIndex(v, code);
            // Four bytes per index in a 576-byte area whose last two bytes are the end marker.
            EXPECT_LE(4 * i + 3, 573) << VariantName(v) << " code " << code;
            EXPECT_GE(i, 0);
        }
        entries += MatrixIndex(MatrixVariant::KeyMapPlain, code) != 0;
    }
    EXPECT_EQ(entries, 112);
}

// ---- Choosing the variant ---------------------------------------------------------------------

TEST(MatrixIndex, KeyMapsChooseByTheRevisionFlag) {
    EXPECT_EQ(KeyMapMatrixIndex(191, true), 96);
    EXPECT_EQ(KeyMapMatrixIndex(191, false), 0);
    EXPECT_EQ(KeyMapMatrixIndex(key::A, true), 56);
    EXPECT_EQ(KeyMapMatrixIndex(key::A, false), 56);
}

struct LightCase {
    const char* name;
    int model;
    bool revision;
    std::optional<MatrixVariant> variant;
    int escIndex;
};

class LightChoice : public ::testing::TestWithParam<LightCase> {};

TEST_P(LightChoice, ByModelAndFlag) {
    const LightCase& c = GetParam();
    const DeviceModel m = DeviceModelFromCode(c.model);
    EXPECT_EQ(LightMatrixVariant(m, c.revision), c.variant);
    EXPECT_EQ(LightMatrixIndex(m, c.revision, key::Esc), c.escIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Models, LightChoice,
    ::testing::Values(LightCase{"K61Revised", 1, true, MatrixVariant::LightRevision, 19},
                      LightCase{"K61Plain", 1, false, MatrixVariant::LightPlain, 19},
                      LightCase{"K68IgnoresFlag", 5, true, MatrixVariant::Light68, 19},
                      LightCase{"K68", 5, false, MatrixVariant::Light68, 19},
                      LightCase{"K61SingleLightHasNoLights", 6, true, std::nullopt, 0},
                      LightCase{"K87RgbHasNoLightMatrix", 9, true, std::nullopt, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vekora
