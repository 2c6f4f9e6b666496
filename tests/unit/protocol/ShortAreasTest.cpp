#include "device/protocol/ShortAreas.h"

#include <gtest/gtest.h>

#include "ByteMatchers.h"

namespace vekora {
namespace {

using testing::ByteMap;
using testing::NonZeroBytes;

KeyAssignment Key(int code, int type, int value, int value2 = 0) {
    KeyAssignment a;
    a.profile = 1;
    a.key_code = code;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    return a;
}

KeyColour Colour(int code, int rgb) {
    KeyColour c;
    c.profile = 1;
    c.light = 1;
    c.key_code = code;
    c.key_rgb = rgb;
    return c;
}

struct KeyMapCase {
    std::string name;
    std::vector<KeyAssignment> assignments;
    bool revision;
    ByteMap expected;  // besides the end marker
};

class ShortKeyMapAreaGolden : public ::testing::TestWithParam<KeyMapCase> {};

TEST_P(ShortKeyMapAreaGolden, PlacesEntriesByMatrixIndex) {
    auto area = BuildShortKeyMapArea(GetParam().assignments, {}, GetParam().revision);
    ByteMap expected = GetParam().expected;
    expected[574] = 0xAA;
    expected[575] = 0x55;
    EXPECT_EQ(NonZeroBytes(area), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortKeyMapAreaGolden,
    ::testing::Values(
        KeyMapCase{"EmptyProfileIsOnlyTheEndMarker", {}, false, {}},
        KeyMapCase{"LetterAAtIndex56", {Key(4, 604, 5)}, false, {{224, 2}, {226, 5}}},
        KeyMapCase{"EscAtIndex1", {Key(41, 607, 1)}, false, {{4, 5}, {5, 3}}},
        KeyMapCase{"Code191OnlyWithRevision", {Key(191, 607, 1)}, false, {}},
        KeyMapCase{"Code191WithRevisionAt96", {Key(191, 607, 1)}, true, {{384, 5}, {385, 3}}},
        KeyMapCase{"Codes49And50ShareIndex67LaterWins",
                   {Key(49, 604, 5), Key(50, 604, 6)},
                   false,
                   {{268, 2}, {270, 6}}},
        KeyMapCase{"UnknownKeyIsLeftOut", {Key(300, 604, 5)}, false, {}},
        KeyMapCase{"DefaultAssignmentWritesNothing", {Key(4, 0, 0)}, false, {}}),
    [](const auto& info) { return info.param.name; });

struct ColourCase {
    std::string name;
    DeviceModel model;
    bool revision;
    std::vector<KeyColour> colours;
    ByteMap expected;
};

class ShortColourAreaGolden : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ShortColourAreaGolden, IndexRedGreenBluePerKey) {
    auto area = BuildShortColourArea(GetParam().model, GetParam().revision, GetParam().colours);
    ByteMap expected = GetParam().expected;
    expected[574] = 0xAA;
    expected[575] = 0x55;
    EXPECT_EQ(NonZeroBytes(area), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortColourAreaGolden,
    ::testing::Values(ColourCase{"EscOnK61PlainAt19",
                                 DeviceModel::K61,
                                 false,
                                 {Colour(41, 0x332211)},
                                 {{76, 19}, {77, 0x11}, {78, 0x22}, {79, 0x33}}},
                      ColourCase{"FnOnK61RevisionAt98",
                                 DeviceModel::K61,
                                 true,
                                 {Colour(175, 0x0000FF)},
                                 {{392, 98}, {393, 0xFF}}},
                      ColourCase{"GraveOnK68At117",
                                 DeviceModel::K68,
                                 false,
                                 {Colour(53, 0xFF0000)},
                                 {{468, 117}, {471, 0xFF}}},
                      ColourCase{
                          "ColourZeroIsLeftOut", DeviceModel::K61, false, {Colour(4, 0)}, {}},
                      ColourCase{"SingleColourModelHasNoIndexes",
                                 DeviceModel::K61SingleLight,
                                 false,
                                 {Colour(4, 0xFFFFFF)},
                                 {}}),
    [](const auto& info) { return info.param.name; });

TEST(ShortColourArea, EmptyAreaStillEndsWithMarker) {
    EXPECT_EQ(NonZeroBytes(EmptyShortColourArea()), (ByteMap{{574, 0xAA}, {575, 0x55}}));
}

TEST(ShortMusicFrame, CarriesViewColoursWithoutEndMarker) {
    const std::vector<KeyLight> keys = {{4, 0x010203}, {41, 0}, {999, 0xFFFFFF}};
    auto frame = BuildShortMusicFrame(DeviceModel::K68, false, keys);
    // A at index 56; Esc (index 19) black still carries its index.
    EXPECT_EQ(NonZeroBytes(frame),
              (ByteMap{{76, 19}, {224, 56}, {225, 0x03}, {226, 0x02}, {227, 0x01}}));
}

TEST(ShortMusicFrame, K61LightIndexFollowsTheRevisionFlag) {
    const std::vector<KeyLight> keys = {{41, 0x332211}, {175, 0x0000FF}, {250, 0xFFFFFF}};
    // Without the flag Esc has light index 19 and Fn 96; code 250 has none.
    EXPECT_EQ(NonZeroBytes(BuildShortMusicFrame(DeviceModel::K61, false, keys)),
              (ByteMap{{76, 19}, {77, 0x11}, {78, 0x22}, {79, 0x33}, {384, 96}, {385, 0xFF}}));
    // With the flag Fn moves to index 98.
    const auto revision = BuildShortMusicFrame(DeviceModel::K61, true, keys);
    EXPECT_EQ(revision[392], 98);
    EXPECT_EQ(revision[393], 0xFF);
    EXPECT_EQ(revision[384], 0);
}

TEST(ShortColourPreview, ReadsEachViewKeyFromItsIndex) {
    ShortColourArea area{};
    area[224] = 56;
    area[225] = 0x10;
    area[226] = 0x20;
    area[227] = 0x30;
    const std::vector<int> view = {4, 41, 999};
    auto colours = ColoursFromShortArea(DeviceModel::K61, false, area, view);
    ASSERT_EQ(colours.size(), 2u);
    EXPECT_EQ(colours[0].keyCode, 4);
    EXPECT_EQ(colours[0].colour, 0x302010u);
    EXPECT_EQ(colours[1].keyCode, 41);
    EXPECT_EQ(colours[1].colour, 0u);
}

}  // namespace
}  // namespace vekora
