#include "device/protocol/ShortMacroArea.h"

#include <gtest/gtest.h>

#include "ByteMatchers.h"
#include "MacroFixtures.h"

namespace vekora {
namespace {

using testing::ByteMap;
using testing::Ev;
using testing::Macro;
using testing::NonZeroBytes;

// Virtual key 65 ('A') is key code 4.
constexpr int kVkA = 65;

using Ev4 = std::array<std::uint8_t, 4>;

struct EventCase {
    std::string name;
    std::vector<MacroEvent> events;
    std::vector<Ev4> expected;
};

class ShortMacroEventGolden : public ::testing::TestWithParam<EventCase> {};

TEST_P(ShortMacroEventGolden, Encodes) {
    EXPECT_EQ(ShortMacroEvents(GetParam().events), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortMacroEventGolden,
    ::testing::Values(EventCase{"PressDelayRelease",
                                {Ev(2, kVkA), Ev(1, 300), Ev(3, kVkA)},
                                {{0, 0, 4, 0xB0}, {0x2C, 0x01, 0, 0x50}, {0, 0, 4, 0x30}}},
                      EventCase{"TwoKeyEventsGet10msBetween",
                                {Ev(2, kVkA), Ev(3, kVkA)},
                                {{0, 0, 4, 0xB0}, {10, 0, 0, 0x50}, {0, 0, 4, 0x30}}},
                      EventCase{"MouseButtonsMapped",
                                {Ev(4, 2), Ev(1, 5), Ev(5, 3)},
                                {{0, 0, 0x04, 0x90}, {5, 0, 0, 0x50}, {0, 0, 0x02, 0x10}}},
                      EventCase{"SideButtonHasNoCode", {Ev(4, 7)}, {{0, 0, 0, 0x90}}},
                      EventCase{"LeadingDelayThenKeyNeedsNoInsert",
                                {Ev(1, 20), Ev(2, kVkA)},
                                {{20, 0, 0, 0x50}, {0, 0, 4, 0xB0}}}),
    [](const auto& info) { return info.param.name; });

struct BlockCase {
    std::string name;
    int length;
    int blocks;
};

class ShortMacroBlocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ShortMacroBlocks, CountRule) {
    EXPECT_EQ(ShortMacroBlockCount(GetParam().length), GetParam().blocks);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortMacroBlocks,
                         ::testing::Values(BlockCase{"ExactMultipleGetsExtraBlock", 448, 8},
                                           BlockCase{"JustOverMultiple", 449, 9},
                                           BlockCase{"DirectoryOnly", 400, 8},
                                           BlockCase{"Largest", 3200, 51}),
                         [](const auto& info) { return info.param.name; });

TEST(ShortMacroArea, DirectoryRecordsAndEndMarker) {
    // Macro 1: press A, 300 ms, release A (3 events). Macro 2: no events. Macro 3: press only.
    auto area = BuildShortMacroArea(
        {Macro(1, {Ev(2, kVkA), Ev(1, 300), Ev(3, kVkA)}), Macro(2, {}), Macro(3, {Ev(2, kVkA)})});
    ASSERT_EQ(area.fit, ShortMacroFit::Fits);
    // Records: 400 + (8 + 12) = 420, then 420 + (8 + 4) = 432.
    EXPECT_EQ(area.length, 432);
    EXPECT_EQ(area.blocks, 8);
    EXPECT_EQ(NonZeroBytes(std::span(area.bytes).first(512)),
              (ByteMap{{0, 0x90},   {1, 0x01},   {4, 0xFF},  {5, 0xFF},   {6, 0xFF},   {7, 0xFF},
                       {8, 0xA4},   {9, 0x01},   {400, 3},   {410, 4},    {411, 0xB0}, {412, 0x2C},
                       {413, 0x01}, {415, 0x50}, {418, 4},   {419, 0x30}, {420, 1},    {430, 4},
                       {431, 0xB0}, {510, 0xAA}, {511, 0x55}}));
}

TEST(ShortMacroArea, LengthOnA64ByteBoundaryPutsMarkerInABlockOfItsOwn) {
    // 400 + 8 + 4 * 10 = 448 = 7 * 64.
    std::vector<MacroEvent> events;
    for (int i = 0; i < 5; ++i) {
        events.push_back(Ev(2, kVkA));
        events.push_back(Ev(1, 1));
    }
    auto area = BuildShortMacroArea({Macro(1, events)});
    ASSERT_EQ(area.fit, ShortMacroFit::Fits);
    EXPECT_EQ(area.length, 448);
    EXPECT_EQ(area.blocks, 8);
    EXPECT_EQ(area.bytes[510], 0xAA);
    EXPECT_EQ(area.bytes[511], 0x55);
    EXPECT_EQ(area.bytes[446], 0);
}

TEST(ShortMacroArea, SizeRuleRefusesTheUpload) {
    // 4 * 624 + 8 = 2504 > 2500.
    std::vector<MacroEvent> events(624, Ev(1, 5));
    EXPECT_EQ(BuildShortMacroArea({Macro(1, events)}).fit, ShortMacroFit::SizeRuleExceeded);
    events.pop_back();  // 2500: allowed by the rule
    EXPECT_EQ(ShortMacroSizeFigure({Macro(1, events)}), 2500);
}

TEST(ShortMacroArea, InsertedDelaysThatWouldOverflowAreRefusedNotCut) {
    // 500 key events pass the size rule (2008) but need 499 inserted delays: 400 + 8 + 3996.
    std::vector<MacroEvent> events(500, Ev(2, kVkA));
    EXPECT_EQ(BuildShortMacroArea({Macro(1, events)}).fit, ShortMacroFit::AreaTooLong);
}

TEST(ShortMacroArea, MoreMacrosThanDirectoryEntriesAreRefused) {
    std::vector<StoredMacro> macros;
    for (int i = 0; i < 101; ++i) {
        macros.push_back(Macro(i + 1, {}));
    }
    EXPECT_EQ(BuildShortMacroArea(macros).fit, ShortMacroFit::TooManyMacros);
    macros.pop_back();
    EXPECT_EQ(BuildShortMacroArea(macros).fit, ShortMacroFit::Fits);
}

}  // namespace
}  // namespace vekora
