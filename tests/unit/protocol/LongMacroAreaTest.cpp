#include "device/protocol/LongMacroArea.h"

#include <gtest/gtest.h>

#include "ByteMatchers.h"
#include "MacroFixtures.h"

namespace vekora {
namespace {

using testing::ByteMap;
using testing::Ev;
using testing::Macro;
using testing::NonZeroBytes;

constexpr int kVkA = 65;  // key code 4
using Ev4 = std::array<std::uint8_t, 4>;

struct EventCase {
    std::string name;
    std::vector<MacroEvent> events;
    std::vector<Ev4> expected;
};

class LongMacroEventGolden : public ::testing::TestWithParam<EventCase> {};

TEST_P(LongMacroEventGolden, Encodes) {
    EXPECT_EQ(LongMacroEvents(GetParam().events), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongMacroEventGolden,
    ::testing::Values(EventCase{"TwoKeyEventsBothDefault10ms",
                                {Ev(2, kVkA), Ev(3, kVkA)},
                                {{0x00, 0, 10, 4}, {0x80, 0, 10, 4}}},
                      EventCase{"DelayIsBigEndianAndCarriesOver",
                                {Ev(2, kVkA), Ev(1, 300), Ev(3, kVkA), Ev(2, kVkA)},
                                {{0x00, 0, 10, 4}, {0x80, 0x01, 0x2C, 4}, {0x00, 0x01, 0x2C, 4}}},
                      EventCase{"MouseEventsLeftOut", {Ev(4, 1), Ev(5, 1)}, {}}),
    [](const auto& info) { return info.param.name; });

TEST(LongMacroArea, DirectoryOffsetsAndLengths) {
    auto area = BuildLongMacroArea(
        {Macro(1, {Ev(2, kVkA), Ev(3, kVkA)}), Macro(2, {}), Macro(3, {Ev(2, kVkA)})});
    // Directory 12 bytes; macro 1 at 12 (9 bytes), macro 2 at 21 (1), macro 3 at 22 (5).
    EXPECT_EQ(area.length, 27);
    EXPECT_EQ(area.macrosWritten, 3);
    EXPECT_EQ(NonZeroBytes(std::span(area.bytes).first(32)), (ByteMap{{0, 12},
                                                                      {2, 9},
                                                                      {4, 21},
                                                                      {6, 1},
                                                                      {8, 22},
                                                                      {10, 5},
                                                                      {15, 10},
                                                                      {16, 4},
                                                                      {17, 0x80},
                                                                      {19, 10},
                                                                      {20, 4},
                                                                      {25, 10},
                                                                      {26, 4}}));
}

TEST(LongMacroArea, OnlyWholeMacrosAreSent) {
    // Each macro: 1 + 4 * 300 = 1201 bytes. Three need 12 + 3603 = 3615; a fourth would need
    // 4820 and is left out whole instead of being cut at 4000.
    std::vector<MacroEvent> events(300, Ev(2, kVkA));
    auto area = BuildLongMacroArea(
        {Macro(1, events), Macro(2, events), Macro(3, events), Macro(4, events)});
    EXPECT_EQ(area.macrosWritten, 3);
    EXPECT_EQ(area.macrosLeftOut, 1);
    EXPECT_EQ(area.length, 3615);
    EXPECT_EQ(area.bytes[0], 12);  // the directory lists three macros
    EXPECT_EQ(LongMacroChunkCount(area), 8);
}

TEST(LongMacroArea, ChunksCarryCountIndexAndByteCount) {
    std::vector<MacroEvent> events(150, Ev(2, kVkA));  // 601 bytes + 4 directory = 605
    auto area = BuildLongMacroArea({Macro(1, events)});
    ASSERT_EQ(area.length, 605);
    ASSERT_EQ(LongMacroChunkCount(area), 2);
    auto first = BuildLongMacroChunk(area, 0);
    auto last = BuildLongMacroChunk(area, 1);
    EXPECT_EQ((std::array{first[0], first[1], first[2], first[4], first[5], first[6], first[7]}),
              (std::array<std::uint8_t, 7>{6, 0x05, 0, 2, 0, 0x00, 0x02}));
    EXPECT_EQ((std::array{last[4], last[5], last[6], last[7]}),
              (std::array<std::uint8_t, 4>{2, 1, 93, 0}));
    EXPECT_EQ(first[8], 4);  // directory: offset 4
    EXPECT_EQ(last[8], area.bytes[512]);
    EXPECT_EQ(last[8 + 93], 0);  // nothing past the last byte
}

TEST(LongMacroArea, NoMacrosMeansNoChunks) {
    EXPECT_EQ(LongMacroChunkCount(BuildLongMacroArea({})), 0);
}

}  // namespace
}  // namespace vekora
