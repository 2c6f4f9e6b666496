#include "device/protocol/LongReports.h"

#include <gtest/gtest.h>

#include <functional>

#include "ByteMatchers.h"
#include "device/SlotTables.h"

namespace vekora {
namespace {

using testing::ByteMap;
using testing::NonZeroBytes;

struct ReportCase {
    std::string name;
    std::function<LongReport()> build;
    ByteMap expected;
};

class LongReportGolden : public ::testing::TestWithParam<ReportCase> {};

TEST_P(LongReportGolden, CarriesExactlyItsBytes) {
    EXPECT_EQ(NonZeroBytes(GetParam().build()), GetParam().expected);
}

OnOffMap MapWith(std::initializer_list<int> lit) {
    OnOffMap m{};
    for (int s : lit) {
        m[static_cast<std::size_t>(s)] = 0xFF;
    }
    return m;
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, LongReportGolden,
    ::testing::Values(ReportCase{"ReadKeyMap",
                                 [] { return BuildReadKeyMap(); },
                                 {{0, 6}, {1, 0x83}, {4, 1}, {6, 0xF8}, {7, 0x01}}},
                      ReportCase{"ReadLightBlock",
                                 [] { return BuildReadLightBlock(); },
                                 {{0, 6}, {1, 0x84}, {2, 1}, {4, 1}, {6, 128}}},
                      ReportCase{"ReadOnOffMap",
                                 [] { return BuildReadOnOffMap(); },
                                 {{0, 6}, {1, 0x86}, {2, 1}, {4, 1}, {6, 126}}},
                      ReportCase{"SelectProfile1",
                                 [] { return BuildSelectProfile(1); },
                                 {{0, 6}, {1, 0x0D}, {4, 1}, {6, 1}, {8, 1}}},
                      ReportCase{"SelectProfile4",
                                 [] { return BuildSelectProfile(4); },
                                 {{0, 6}, {1, 0x0D}, {4, 1}, {6, 1}, {8, 4}}},
                      ReportCase{"SelectProfile5SentAs0",
                                 [] { return BuildSelectProfile(5); },
                                 {{0, 6}, {1, 0x0D}, {4, 1}, {6, 1}}},
                      ReportCase{
                          "FactoryReset", [] { return BuildFactoryReset(); }, {{0, 6}, {1, 0x0E}}},
                      ReportCase{"OnOffWriteUserLight1IsSlot0",
                                 [] {
                                     return BuildOnOffWrite(0, MapWith({0, 125}));
                                 },
                                 {{0, 6}, {1, 0x06}, {4, 1}, {6, 126}, {8, 0xFF}, {133, 0xFF}}},
                      ReportCase{"OnOffWriteSlot4",
                                 [] { return BuildOnOffWrite(4, MapWith({})); },
                                 {{0, 6}, {1, 0x06}, {2, 4}, {4, 1}, {6, 126}}},
                      ReportCase{"MusicFrame",
                                 [] { return BuildLongMusicFrame(MapWith({9})); },
                                 {{0, 6}, {1, 0x08}, {4, 1}, {6, 126}, {17, 0xFF}}}),
    [](const auto& info) { return info.param.name; });

// A light block as a keyboard returns it: some bytes of its own everywhere.
LongReport DeviceLightBlock() {
    LongReport b{};
    b[0] = 6;
    b[1] = 0x84;
    b[2] = 1;
    b[3] = 0x33;  // kept: byte 3 is not part of the write header
    b[4] = 1;
    b[5] = 0x44;  // kept as well
    b[6] = 128;
    b[8] = 2;  // profile
    b[9] = 0x5A;
    b[17] = 1;
    b[18] = 9;
    b[19] = 0x22;
    b[23] = 0x07;
    b[100] = 0x77;
    return b;
}

struct LightBlockCase {
    std::string name;
    std::function<void(LongReport&)> change;
    ByteMap changed;  // the bytes that differ from the device's block
};

class LongLightBlockWrite : public ::testing::TestWithParam<LightBlockCase> {};

TEST_P(LongLightBlockWrite, ChangesOnlyItsBytes) {
    LongReport block = DeviceLightBlock();
    GetParam().change(block);
    PrepareLongLightBlockWrite(block);
    ByteMap expected = NonZeroBytes(DeviceLightBlock());
    expected[1] = 0x04;  // write command; everything else of the header is the same
    for (auto [offset, value] : GetParam().changed) {
        if (value == 0) {
            expected.erase(offset);
        } else {
            expected[offset] = value;
        }
    }
    EXPECT_EQ(NonZeroBytes(block), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongLightBlockWrite,
    ::testing::Values(
        LightBlockCase{"LightModeClearsCustomFlag",
                       [](LongReport& b) { ApplyLongLightMode(b, 12); },
                       {{17, 0}, {18, 12}}},
        LightBlockCase{"CustomLightSlot2",
                       [](LongReport& b) { ApplyLongCustomLight(b, 2); },
                       {{17, 1}, {19, 0x22}}},
        LightBlockCase{"CustomLightSlot0",
                       [](LongReport& b) { ApplyLongCustomLight(b, 0); },
                       {{17, 1}, {19, 0x20}}},
        LightBlockCase{"GameModeAltTab",
                       [](LongReport& b) {
                           ApplyLongGameMode(b, {false, true, false});
                       },
                       {{23, 0x02}}},
        LightBlockCase{"GameModeNone", [](LongReport& b) { ApplyLongGameMode(b, {}); }, {{23, 0}}}),
    [](const auto& info) { return info.param.name; });

TEST(LongLightBlock, ProfileZeroMeansFive) {
    LongReport b = DeviceLightBlock();
    EXPECT_EQ(ProfileFromLightBlock(b), 2);
    b[8] = 0;
    EXPECT_EQ(ProfileFromLightBlock(b), 5);
    EXPECT_EQ(LightModeFromLightBlock(b), 9);
}

TEST(LongLightBlock, AnswerIsRecognisedByItsReadCommand) {
    EXPECT_TRUE(IsLongAnswerTo(DeviceLightBlock(), LongCommand::ReadLightBlock));
    EXPECT_FALSE(IsLongAnswerTo(BuildReadKeyMap(), LongCommand::ReadLightBlock));
}

KeyAssignment Key(int code, int type, int value) {
    KeyAssignment a;
    a.key_code = code;
    a.macro_type = type;
    a.macro_value = value;
    return a;
}

TEST(LongKeyMap, DefaultsFillSlots0To99AndKeepTheRest) {
    LongReport map{};
    map[0] = 6;
    map[1] = 0x83;
    map[3] = 0x11;
    for (int i = 8; i < 8 + 504; ++i) {
        map[static_cast<std::size_t>(i)] = 0xEE;  // what the keyboard held
    }
    ApplyLongDefaultSlots(map, DeviceModel::K61SE);
    PrepareLongKeyMapWrite(map);
    EXPECT_EQ(map[1], 0x03);
    EXPECT_EQ(map[3], 0x11);
    EXPECT_EQ(map[6], 0xF8);
    EXPECT_EQ(map[7], 0x01);
    // Slot 0 of the 61-key table is empty; slot 1 is Esc; slot 4 left Shift; slot 77 Fn has
    // no default on this table (empty).
    EXPECT_EQ((std::array{map[8], map[9], map[10], map[11]}), (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ((std::array{map[12], map[13], map[14], map[15]}),
              (std::array<std::uint8_t, 4>{0, 0, 0, 41}));
    EXPECT_EQ((std::array{map[24], map[25], map[26], map[27]}),
              (std::array<std::uint8_t, 4>{0, 0x02, 0, 0}));
    for (int slot = 100; slot < 126; ++slot) {
        EXPECT_EQ(map[static_cast<std::size_t>(8 + slot * 4)], 0xEE) << "slot " << slot;
    }
}

TEST(LongKeyMap, AssignmentsGoToTheirSlotsAndUnknownKeysAreSkipped) {
    LongReport map{};
    ApplyLongAssignments(map, DeviceModel::K61SE,
                         {Key(4, 604, 5), Key(58, 604, 6), Key(41, 607, 1)}, {});
    // A (slot 9) becomes B; F1 has no slot on this model; Esc (slot 1) is disabled (zeros).
    EXPECT_EQ(NonZeroBytes(map), (ByteMap{{8 + 9 * 4 + 3, 5}}));
}

TEST(LongOnOffMap, FromStoredColoursAndFromView) {
    KeyColour lit;
    lit.key_code = 4;
    lit.key_rgb = 0x000100;
    KeyColour dark;
    dark.key_code = 5;
    dark.key_rgb = 0;
    auto fromStore = BuildOnOffMapFromColours(DeviceModel::K61SE, {lit, dark});
    EXPECT_EQ(NonZeroBytes(fromStore), (ByteMap{{9, 0xFF}}));

    const std::vector<KeyLight> view = {{4, 0}, {41, 0x0000FF}, {58, 0xFFFFFF}};
    auto fromView = BuildOnOffMapFromView(DeviceModel::K87SingleLight, view);
    EXPECT_EQ(NonZeroBytes(fromView), (ByteMap{{0, 0xFF}, {12, 0xFF}}));

    // On the 61-key boards Esc is slot 1 and F1 has no slot: it must not light slot 0. Bits
    // above the colour do not count as lit.
    const std::vector<KeyLight> se = {{41, 0x000100}, {58, 0xFF}, {20, 0xFF000000}};
    EXPECT_EQ(NonZeroBytes(BuildOnOffMapFromView(DeviceModel::K61SE, se)), (ByteMap{{1, 0xFF}}));
}

TEST(LongInput, ProfileChangeReport) {
    const std::vector<std::uint8_t> change = {0x03, 0x08, 0, 0};
    const std::vector<std::uint8_t> other = {0x03, 0x07, 0, 0};
    const std::vector<std::uint8_t> shortOne = {0x03};
    EXPECT_TRUE(IsProfileChangeInput(change));
    EXPECT_FALSE(IsProfileChangeInput(other));
    EXPECT_FALSE(IsProfileChangeInput(shortOne));
}

}  // namespace
}  // namespace vekora
