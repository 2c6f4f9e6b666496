#include "core/DeviceSync.h"

#include <gtest/gtest.h>

#include <functional>

#include "SyncFixture.h"
#include "core/StoredSettings.h"

namespace vekora {
namespace {

using testing::SyncFixture;
using Trace = std::vector<std::string>;

KeyAssignment KeyB(int code = 4) {
    KeyAssignment a;
    a.key_code = code;
    a.macro_type = 604;
    a.macro_value = 5;
    return a;
}

struct FlowCase {
    std::string name;
    DeviceModel model;
    int profile;
    std::function<void(DeviceSync&, SyncFixture&)> run;
    Trace expected;
};

class FlowSequence : public SyncFixture, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(FlowSequence, SendsExactly) {
    UseModel(GetParam().model, GetParam().profile);
    link.AnswerReads(GetParam().profile % 5, 3);
    GetParam().run(sync, *this);
    EXPECT_EQ(link.trace, GetParam().expected);
}

const Trace kShortLight2 = {"S18", "S13:02x1", "P nc", "S02", "SF0"};

Trace Concat(std::initializer_list<Trace> parts) {
    Trace out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Flows, FlowSequence,
    ::testing::Values(
        // ---- short family (model 1) ----
        FlowCase{"ShortApplyModelSendsLightMode",
                 DeviceModel::K61,
                 2,
                 [](DeviceSync& s, SyncFixture&) { s.ApplyModel(); },
                 {"S18", "S13:01x1", "P nc", "S02", "SF0"}},
        FlowCase{"ShortSelectProfile", DeviceModel::K61, 1,
                 [](DeviceSync& s, SyncFixture&) { s.SelectProfile(2); }, kShortLight2},
        FlowCase{"ShortKeyMap",
                 DeviceModel::K61,
                 2,
                 [](DeviceSync& s, SyncFixture&) { s.AssignKey(KeyB()); },
                 {"S18", "S11:02x9", "B9", "S02", "SF0"}},
        FlowCase{"ShortKeyOnProfile5SendsNothing",
                 DeviceModel::K61,
                 5,
                 [](DeviceSync& s, SyncFixture&) { EXPECT_FALSE(s.AssignKey(KeyB())); },
                 {}},
        FlowCase{"ShortLightMode", DeviceModel::K61, 2,
                 [](DeviceSync& s, SyncFixture&) { s.ChooseLightMode(6); }, kShortLight2},
        FlowCase{
            "ShortUserLight",
            DeviceModel::K61,
            2,
            [](DeviceSync& s, SyncFixture& f) { s.ApplyUserLight(3, f.db.AddUserLight(L"x")); },
            {"S18", "S23:83x9", "B9", "S02", "SF0"}},
        FlowCase{"ShortGameMode",
                 DeviceModel::K61,
                 2,
                 [](DeviceSync& s, SyncFixture&) { s.SetGameModeSwitch(kDisableWinKey, true); },
                 {"S18", "S17:02x1", "P", "S02"}},
        FlowCase{"ShortMacros",
                 DeviceModel::K61,
                 2,
                 [](DeviceSync& s, SyncFixture& f) {
                     f.AddMacro(2);
                     s.UploadMacros();
                 },
                 {"S19", "S15x8", "p30", "B8", "S02"}},
        FlowCase{"ShortResetCurrentSendsLightAndEmptyKeyMap", DeviceModel::K61, 2,
                 [](DeviceSync& s, SyncFixture&) { s.ResetCurrentProfile(); },
                 Concat({kShortLight2, {"S18", "S11:02x9", "B9", "S02", "SF0"}})},
        FlowCase{"ShortMusicFrame",
                 DeviceModel::K68,
                 2,
                 [](DeviceSync& s, SyncFixture&) { s.SendMusicFrame(); },
                 {"S20x8", "F", "S02"}},
        FlowCase{"SingleColourShortHasNoMusicFrame",
                 DeviceModel::K61SingleLight,
                 2,
                 [](DeviceSync& s, SyncFixture&) { s.SendMusicFrame(); },
                 {}},
        // ---- long family (models 7, 8) ----
        FlowCase{"LongSelectProfile5",
                 DeviceModel::K61SE,
                 1,
                 [](DeviceSync& s, SyncFixture&) { s.SelectProfile(5); },
                 {"W0D", "R84:01"}},
        FlowCase{"LongKeyMap",
                 DeviceModel::K87SingleLight,
                 1,
                 [](DeviceSync& s, SyncFixture&) { s.AssignKey(KeyB()); },
                 {"R83", "p80", "W03"}},
        FlowCase{"LongKeyOnProfile5SendsNothing",
                 DeviceModel::K87SingleLight,
                 5,
                 [](DeviceSync& s, SyncFixture& f) {
                     EXPECT_FALSE(s.AssignKey(KeyB()));
                     EXPECT_EQ(f.view.messages, (std::vector<int>{510}));
                 },
                 {}},
        FlowCase{"LongLightMode",
                 DeviceModel::K61SE,
                 1,
                 [](DeviceSync& s, SyncFixture&) { s.ChooseLightMode(6); },
                 {"R84:01", "W04:01"}},
        FlowCase{
            "LongUserLight",
            DeviceModel::K61SE,
            1,
            [](DeviceSync& s, SyncFixture& f) { s.ApplyUserLight(1, f.db.AddUserLight(L"x")); },
            {"R84:01", "W04:01", "p80", "R86:01", "p80", "W06"}},
        FlowCase{"LongGameMode",
                 DeviceModel::K61SE,
                 1,
                 [](DeviceSync& s, SyncFixture&) { s.SetGameModeSwitch(kDisableAltF4Key, true); },
                 {"R84:01", "W04:01"}},
        FlowCase{"LongMacros",
                 DeviceModel::K87SingleLight,
                 1,
                 [](DeviceSync& s, SyncFixture& f) {
                     f.AddMacro(2);
                     s.UploadMacros();
                 },
                 {"W05", "p10"}},
        FlowCase{"LongResetCurrent",
                 DeviceModel::K61SE,
                 2,
                 [](DeviceSync& s, SyncFixture&) { s.ResetCurrentProfile(); },
                 {"p100", "W0D", "R84:01", "p100", "p100", "R83", "p80", "W03", "p100", "R84:01",
                  "W04:01", "p100", "R84:01", "W04:01"}},
        FlowCase{"LongResetAll",
                 DeviceModel::K87SingleLight,
                 3,
                 [](DeviceSync& s, SyncFixture&) { s.ResetAllProfiles(); },
                 {"W0E", "p500", "p100", "p100", "p100", "p100", "p100"}},
        FlowCase{"SingleColourShortResetAllSendsOnlyTheFactoryReset",
                 DeviceModel::K61SingleLight,
                 3,
                 [](DeviceSync& s, SyncFixture&) { s.ResetAllProfiles(); },
                 {"W0E", "p500", "p100", "p100", "p100", "p100", "p100"}},
        FlowCase{"LongMusicFrame",
                 DeviceModel::K61SE,
                 1,
                 [](DeviceSync& s, SyncFixture&) { s.SendMusicFrame(); },
                 {"W08"}},
        // ---- device library without a binding, and no model ----
        FlowCase{"LibraryWithoutBindingSendsNoReports",
                 DeviceModel::K87Rgb,
                 1,
                 [](DeviceSync& s, SyncFixture&) {
                     s.SelectProfile(2);
                     s.AssignKey(KeyB());
                     s.ChooseLightMode(3);
                 },
                 {}},
        FlowCase{"NotConnectedResetSendsNothing",
                 DeviceModel::K61SE,
                 1,
                 [](DeviceSync& s, SyncFixture& f) {
                     f.state.connected = false;
                     s.ResetCurrentProfile();
                     s.ResetAllProfiles();
                     EXPECT_EQ(f.view.messages, (std::vector<int>{502, 502}));
                 },
                 {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(SyncFixture, KeyChangeStoresAndReportsSuccessEvenWithoutAKeyboard) {
    UseModel(DeviceModel::K61SE, 2);
    link.longBlocks.clear();  // nothing answers
    EXPECT_TRUE(sync.AssignKey(KeyB()));
    EXPECT_EQ(view.messages, (std::vector<int>{505}));
    EXPECT_EQ(StoredAssignments(db, 2).size(), 1u);
    EXPECT_EQ(link.trace, (Trace{"R83"}));  // no write over the keyboard's map
}

TEST_F(SyncFixture, LongSelectProfileStoresTheKeyboardsLightMode) {
    UseModel(DeviceModel::K61SE, 1);
    link.AnswerReads(0, 12);
    sync.SelectProfile(5);
    EXPECT_EQ(db.GetConfigInt(5, kLightModeKey), 12);
    EXPECT_EQ(state.lightMode, 12);
    EXPECT_EQ(settings.values[DeviceModel::K61SE], 5);
    EXPECT_EQ(link.longWrites[0][8], 0);  // profile 5 is sent as 0
}

TEST_F(SyncFixture, LongResetCurrentLeavesLightMode10) {
    UseModel(DeviceModel::K61SE, 2);
    state.page = kMusicPage;
    link.AnswerReads(2, 3);
    sync.ResetCurrentProfile();
    EXPECT_EQ(db.GetConfigInt(2, kLightModeKey), 10);
    EXPECT_EQ(link.longWrites.back()[18], 10);
    EXPECT_TRUE(state.musicRunning);
    EXPECT_EQ(view.messages, (std::vector<int>{503}));
}

TEST_F(SyncFixture, ShortResetAllClearsEveryProfileAndUserLight) {
    UseModel(DeviceModel::K61, 3);
    sync.ResetAllProfiles();
    EXPECT_EQ(state.profile, 1);
    EXPECT_EQ(settings.values[DeviceModel::K61], 1);
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(db.GetConfigInt(p, kLightModeKey), 1) << p;
    }
    const Trace clearLights = {"S18", "S23:81x9", "B9", "S02", "SF0"};
    EXPECT_EQ(Trace(link.trace.begin(), link.trace.begin() + 5), clearLights);
    EXPECT_EQ(std::count(link.trace.begin(), link.trace.end(), "S11:01x9"), 1);
    EXPECT_EQ(std::count(link.trace.begin(), link.trace.end(), "S11:05x9"), 1);
    EXPECT_EQ(link.trace.back(), "SF0");
    EXPECT_EQ(view.messages, (std::vector<int>{503}));
}

TEST_F(SyncFixture, ShortMacrosOverTheSizeRuleAreNotSent) {
    UseModel(DeviceModel::K61, 1);
    AddMacro(700);
    EXPECT_EQ(sync.UploadMacros(), ShortMacroFit::SizeRuleExceeded);
    EXPECT_TRUE(link.trace.empty());
}

TEST_F(SyncFixture, TickSynchronisesAtMostEvery1500ms) {
    UseModel(DeviceModel::K61, 1);
    link.queryAnswer[8] = 1;
    link.queryAnswer[9] = 1;  // the keyboard agrees
    sync.Tick();
    EXPECT_EQ(link.trace, (Trace{"Q30", "S02"}));
    link.trace.clear();
    link.now += 1499;
    sync.Tick();
    EXPECT_TRUE(link.trace.empty());
    link.now += 1;
    sync.Tick();
    EXPECT_EQ(link.trace, (Trace{"Q30", "S02"}));
}

TEST_F(SyncFixture, ShortKeyboardSideProfileChangeIsAdoptedThenCommitted) {
    UseModel(DeviceModel::K61, 1);
    db.SetConfigInt(4, kLightModeKey, 9);
    link.queryAnswer[8] = 1;
    link.queryAnswer[9] = 4;
    sync.Tick();
    EXPECT_EQ(state.profile, 4);
    EXPECT_EQ(settings.values[DeviceModel::K61], 4);
    EXPECT_EQ(link.trace, (Trace{"Q30", "S18", "S13:04x1", "P nc", "S02", "SF0", "S02"}));
    EXPECT_EQ(link.shortData[2][0], 9);  // the profile's stored light mode
}

TEST_F(SyncFixture, LongKeyboardSideChangeIsAdoptedFromTheInputReport) {
    UseModel(DeviceModel::K87SingleLight, 1);
    link.AnswerReads(0, 7);  // the keyboard now shows profile 5, light mode 7
    sync.Tick();
    EXPECT_EQ(link.trace, (Trace{"I"}));  // no input report: nothing read
    link.inputs.push_back(InputReport{0x03, 0x08});
    link.now += 1500;
    sync.Tick();
    EXPECT_EQ(state.profile, 5);
    EXPECT_EQ(state.lightMode, 7);
    EXPECT_EQ(db.GetConfigInt(5, kLightModeKey), 7);
    EXPECT_EQ(link.trace, (Trace{"I", "I", "R84:01"}));
}

TEST_F(SyncFixture, TickRunsPreviewAndMusicOnTheirPages) {
    UseModel(DeviceModel::K61, 1);
    state.lastSyncMs = link.now;  // keep the synchronisation out of this test
    state.page = kLightingPage;
    state.colourPreview = true;
    link.seriesAnswer[224] = 56;  // A
    link.seriesAnswer[225] = 0xFF;
    sync.Tick();
    EXPECT_EQ(link.trace, (Trace{"QS", "S02"}));
    ASSERT_FALSE(view.previewed.empty());
    EXPECT_EQ(view.previewed[0].keyCode, 4);
    EXPECT_EQ(view.previewed[0].colour, 0xFFu);
    link.trace.clear();
    state.page = kMusicPage;
    state.musicRunning = true;
    sync.Tick();
    EXPECT_EQ(link.trace, (Trace{"S20x8", "F", "S02"}));
}

TEST_F(SyncFixture, ApplyingARecognisedModelSelectsItsStoredProfile) {
    DeviceSession session;
    session.currentModel = DeviceModel::K61SE;
    session.connected = true;
    session.revisionFlag = true;
    settings.values[DeviceModel::K61SE] = 3;
    link.AnswerReads(3, 8);
    TakeDeviceSession(state, session);
    sync.ApplyModel();
    EXPECT_EQ(state.model, DeviceModel::K61SE);
    EXPECT_TRUE(state.connected);
    EXPECT_EQ(state.profile, 3);
    EXPECT_EQ(link.trace, (Trace{"W0D", "R84:01"}));
    EXPECT_EQ(link.longWrites[0][8], 3);
    EXPECT_EQ(db.GetConfigInt(3, kLightModeKey), 8);
}

TEST_F(SyncFixture, ApplyingNoModelSendsNothing) {
    settings.values[DeviceModel::None] = -3;
    sync.ApplyModel();
    EXPECT_EQ(state.profile, 1);
    EXPECT_EQ(view.profilesShown, (std::vector<int>{1}));
    EXPECT_TRUE(link.trace.empty());
}

}  // namespace
}  // namespace vekora
