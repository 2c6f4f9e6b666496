#include "device/sync/ShortTransactions.h"

#include <gtest/gtest.h>

#include <functional>

#include "RecordingLink.h"

namespace vekora {
namespace {

using testing::RecordingLink;
using Trace = std::vector<std::string>;

MacroEvent Ev(int type, int value) {
    MacroEvent e;
    e.type = type;
    e.value = value;
    return e;
}

struct TxCase {
    std::string name;
    std::function<void(RecordingLink&)> run;
    Trace expected;
};

class ShortTransactionOrder : public ::testing::TestWithParam<TxCase> {};

TEST_P(ShortTransactionOrder, SendsInOrder) {
    RecordingLink link;
    GetParam().run(link);
    EXPECT_EQ(link.trace, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, ShortTransactionOrder,
    ::testing::Values(
        TxCase{"KeyMap",
               [](RecordingLink& l) { SendShortKeyMap(l, 2, ShortKeyMapArea{}); },
               {"S18", "S11:02x9", "B9", "S02", "SF0"}},
        TxCase{"LightModePacketUnconfirmed",
               [](RecordingLink& l) { SendShortLightMode(l, 5, 4); },
               {"S18", "S13:05x1", "P nc", "S02", "SF0"}},
        TxCase{"UserLight",
               [](RecordingLink& l) { SendShortUserLight(l, 1, EmptyShortColourArea()); },
               {"S18", "S23:81x9", "B9", "S02", "SF0"}},
        TxCase{"ClearUserLightsAllFive",
               [](RecordingLink& l) { ClearShortUserLights(l); },
               {"S18", "S23:81x9", "B9", "S02", "SF0", "S18", "S23:82x9", "B9", "S02", "SF0",
                "S18", "S23:83x9", "B9", "S02", "SF0", "S18", "S23:84x9", "B9", "S02", "SF0",
                "S18", "S23:85x9", "B9", "S02", "SF0"}},
        TxCase{"MacrosWith30msPause",
               [](RecordingLink& l) {
                   StoredMacro m;
                   m.events = {Ev(2, 65), Ev(3, 65)};
                   SendShortMacros(l, {m});
               },
               {"S19", "S15x8", "p30", "B8", "S02"}},
        TxCase{"MacrosOverSizeRuleSendNothing",
               [](RecordingLink& l) {
                   StoredMacro m;
                   m.events.assign(700, Ev(1, 5));
                   EXPECT_EQ(SendShortMacros(l, {m}), ShortMacroFit::SizeRuleExceeded);
               },
               {}},
        TxCase{"GameModeHasNoEndCommand",
               [](RecordingLink& l) {
                   SendShortGameMode(l, 3, {true, false, false});
               },
               {"S18", "S17:03x1", "P", "S02"}},
        TxCase{"MusicFrameAccepted",
               [](RecordingLink& l) { EXPECT_TRUE(SendShortMusicFrame(l, FramePayload{})); },
               {"S20x8", "F", "S02"}},
        TxCase{"MusicFrameRefusedSendsNoFrame",
               [](RecordingLink& l) {
                   l.accept = false;
                   EXPECT_FALSE(SendShortMusicFrame(l, FramePayload{}));
               },
               {"S20x8"}},
        TxCase{"MusicFrameLateSendsNoCommit",
               [](RecordingLink& l) {
                   l.frameInTime = false;
                   SendShortMusicFrame(l, FramePayload{});
               },
               {"S20x8", "F"}},
        TxCase{"PreviewReadThenCommit",
               [](RecordingLink& l) {
                   const std::vector<int> keys = {4};
                   ReadShortKeyColours(l, DeviceModel::K61, false, keys);
               },
               {"QS", "S02"}},
        TxCase{"PreviewFailedStillCommits",
               [](RecordingLink& l) {
                   l.seriesOk = false;
                   const std::vector<int> keys = {4};
                   EXPECT_FALSE(ReadShortKeyColours(l, DeviceModel::K61, false, keys));
               },
               {"QS", "S02"}},
        TxCase{"Battery", [](RecordingLink& l) { EXPECT_EQ(ReadShortBattery(l), 90); }, {"X61"}}),
    [](const auto& info) { return info.param.name; });

TEST(ShortTransactions, DataBlocksCarryTheAreaAndCountOneBlockMore) {
    RecordingLink link;
    ShortKeyMapArea area{};
    area[224] = 2;
    SendShortKeyMap(link, 1, area);
    ASSERT_EQ(link.shortData.size(), 5u);
    EXPECT_EQ(link.shortData[2], std::vector<std::uint8_t>(area.begin(), area.end()));
}

struct ProfileCase {
    std::string name;
    int valid;
    int profile;
    int current;
    std::optional<int> adopted;
};

class ShortProfileQuery : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ShortProfileQuery, AdoptsOnlyAValidDifferentProfile) {
    RecordingLink link;
    link.queryAnswer[8] = static_cast<std::uint8_t>(GetParam().valid);
    link.queryAnswer[9] = static_cast<std::uint8_t>(GetParam().profile);
    EXPECT_EQ(QueryShortProfile(link, GetParam().current), GetParam().adopted);
    EXPECT_EQ(link.trace, (Trace{"Q30"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortProfileQuery,
                         ::testing::Values(ProfileCase{"Changed", 1, 3, 1, 3},
                                           ProfileCase{"Same", 1, 2, 2, std::nullopt},
                                           ProfileCase{"NotMarkedValid", 0, 3, 1, std::nullopt},
                                           ProfileCase{"OutOfRange", 1, 9, 1, std::nullopt},
                                           ProfileCase{"Zero", 1, 0, 1, std::nullopt}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vekora
