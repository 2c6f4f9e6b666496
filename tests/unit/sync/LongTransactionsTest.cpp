#include "device/sync/LongTransactions.h"

#include <gtest/gtest.h>

#include <functional>

#include "RecordingLink.h"

namespace vekora {
namespace {

using testing::RecordingLink;
using Trace = std::vector<std::string>;

struct TxCase {
    std::string name;
    bool deviceAnswers;
    std::function<void(RecordingLink&)> run;
    Trace expected;
};

class LongTransactionOrder : public ::testing::TestWithParam<TxCase> {};

TEST_P(LongTransactionOrder, SendsInOrder) {
    RecordingLink link;
    if (GetParam().deviceAnswers) {
        link.AnswerReads();
    }
    GetParam().run(link);
    EXPECT_EQ(link.trace, GetParam().expected);
}

KeyColour Lit(int code) {
    KeyColour c;
    c.key_code = code;
    c.key_rgb = 0xFFFFFF;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    All, LongTransactionOrder,
    ::testing::Values(
        TxCase{"KeyMap",
               true,
               [](RecordingLink& l) { SendLongKeyMap(l, DeviceModel::K61SE, {}, {}); },
               {"R83", "p80", "W03"}},
        TxCase{
            "KeyMapAfterFailedReadIsSkipped",
            false,
            [](RecordingLink& l) { EXPECT_FALSE(SendLongKeyMap(l, DeviceModel::K61SE, {}, {})); },
            {"R83"}},
        TxCase{"LightMode",
               true,
               [](RecordingLink& l) { SendLongLightMode(l, 5); },
               {"R84:01", "W04:01"}},
        TxCase{"LightModeAfterFailedReadIsSkipped",
               false,
               [](RecordingLink& l) { EXPECT_FALSE(SendLongLightMode(l, 5)); },
               {"R84:01"}},
        TxCase{"UserLight",
               true,
               [](RecordingLink& l) { SendLongUserLight(l, DeviceModel::K61SE, 2, {Lit(4)}); },
               {"R84:01", "W04:01", "p80", "R86:01", "p80", "W06:02"}},
        TxCase{"ClearUserLights",
               true,
               [](RecordingLink& l) { ClearLongUserLights(l); },
               {"R84:01", "W04:01", "W06", "R84:01", "W04:01", "W06:01", "R84:01", "W04:01",
                "W06:02", "R84:01", "W04:01", "W06:03", "R84:01", "W04:01", "W06:04"}},
        TxCase{"SelectProfile",
               true,
               [](RecordingLink& l) { EXPECT_EQ(SelectLongProfile(l, 5), 3); },
               {"W0D", "R84:01"}},
        TxCase{"GameMode",
               true,
               [](RecordingLink& l) {
                   SendLongGameMode(l, {true, true, true});
               },
               {"R84:01", "W04:01"}},
        TxCase{"MacrosNone", true, [](RecordingLink& l) { SendLongMacros(l, {}); }, {}},
        TxCase{"MacrosTwoChunks",
               true,
               [](RecordingLink& l) {
                   StoredMacro m;
                   MacroEvent e;
                   e.type = 2;
                   e.value = 65;
                   m.events.assign(150, e);
                   SendLongMacros(l, {m});
               },
               {"W05", "p10", "W05", "p10"}},
        TxCase{"MusicFrame",
               true,
               [](RecordingLink& l) {
                   const std::vector<KeyLight> keys = {{4, 0xFF}};
                   SendLongMusicFrame(l, DeviceModel::K61SE, keys);
               },
               {"W08"}},
        TxCase{"FactoryReset", true, [](RecordingLink& l) { SendLongFactoryReset(l); }, {"W0E"}},
        TxCase{"PollWithoutInput",
               true,
               [](RecordingLink& l) { EXPECT_FALSE(PollLongDeviceChange(l)); },
               {"I"}},
        TxCase{"PollWithChangeReport",
               true,
               [](RecordingLink& l) {
                   l.inputs.push_back(InputReport{0x03, 0x08});
                   auto change = PollLongDeviceChange(l);
                   ASSERT_TRUE(change);
                   EXPECT_EQ(change->profile, 1);
                   EXPECT_EQ(change->lightMode, 3);
               },
               {"I", "R84:01"}},
        TxCase{"PollWithOtherReport",
               true,
               [](RecordingLink& l) {
                   l.inputs.push_back(InputReport{0x03, 0x01});
                   EXPECT_FALSE(PollLongDeviceChange(l));
               },
               {"I"}}),
    [](const auto& info) { return info.param.name; });

TEST(LongTransactions, LightModeWriteKeepsTheKeyboardsBytes) {
    RecordingLink link;
    link.AnswerReads(2, 3);
    SendLongLightMode(link, 7);
    ASSERT_EQ(link.longWrites.size(), 1u);
    const auto& w = link.longWrites[0];
    EXPECT_EQ(w[1], 0x04);
    EXPECT_EQ(w[18], 7);
    EXPECT_EQ(w[17], 0);
    EXPECT_EQ(w[8], 2);
    EXPECT_EQ(w[40], 0x5A);
}

TEST(LongTransactions, UserLightSelectsTheSlotItWritesTo) {
    RecordingLink link;
    link.AnswerReads();
    SendLongUserLight(link, DeviceModel::K61SE, 2, {Lit(4)});
    ASSERT_EQ(link.longWrites.size(), 2u);
    EXPECT_EQ(link.longWrites[0][17], 1);
    EXPECT_EQ(link.longWrites[0][19], 0x22);
    EXPECT_EQ(link.longWrites[1][2], 2);
    EXPECT_EQ(link.longWrites[1][8 + 9], 0xFF);  // A sits in slot 9
}

TEST(LongTransactions, KeyMapWriteKeepsSlotsFrom100) {
    RecordingLink link;
    link.AnswerReads();
    SendLongKeyMap(link, DeviceModel::K87SingleLight, {}, {});
    ASSERT_EQ(link.longWrites.size(), 1u);
    const auto& w = link.longWrites[0];
    EXPECT_EQ(w[8 + 4 * 100], 0xEE);
    EXPECT_EQ(w[8 + 3], 41);  // Esc in slot 0 of the 87-key table
}

}  // namespace
}  // namespace vekora
