// Long-family flows (models 7 and 8) against the simulator.
#include <gtest/gtest.h>

#include "FlowSimFixture.h"
#include "core/StoredSettings.h"
#include "device/protocol/LongMacroArea.h"
#include "device/protocol/LongReports.h"

namespace vekora {
namespace {

using testing::FlowSim;
using testing::HexOf;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

struct ModelCase {
    std::string name;
    DeviceModel model;
};

class LongFlowsOnSim : public ::testing::TestWithParam<ModelCase> {
protected:
    DeviceModel Model() const { return GetParam().model; }

    // Slots 0..99 of the current profile's key map hold the defaults with the stored
    // assignments; slots 100..125 keep the keyboard's own entries; the light block carries the
    // stored light mode and game-mode switches of the current profile.
    void ExpectCurrentProfileMatchesStore(FlowSim& f) {
        const int p = f.state.profile;
        const std::string k = "p" + std::to_string(p) + ".";
        LongReport expected{};
        ApplyLongDefaultSlots(expected, Model());
        ApplyLongAssignments(expected, Model(), StoredAssignments(f.db, p),
                             StoredMacroDefinitions(f.db));
        const std::string keyMap = f.State(k + "keyMap");
        EXPECT_EQ(keyMap.substr(0, 800), HexOf(std::span(expected).subspan(8, 400)));
        EXPECT_EQ(keyMap.substr(800, 8), "0f000064");  // slot 100: the keyboard's own entry
        EXPECT_EQ(f.StateInt(k + "lightMode"), f.db.GetConfigInt(p, kLightModeKey));
        EXPECT_EQ(f.StateInt(k + "gameMode"), StoredSwitches(f.db, p).Bits());
        EXPECT_EQ(f.StateInt("profile"), p);
    }
};

KeyAssignment Key(int code, int type, int value, int value2 = 0) {
    KeyAssignment a;
    a.key_code = code;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    return a;
}

TEST_P(LongFlowsOnSim, ProfileSelectTakesTheKeyboardsLightMode) {
    FlowSim f(Model());
    f.sync.SelectProfile(5);
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x0D, 0x84}));
    EXPECT_EQ(f.StateInt("profile"), 5);
    ExpectCurrentProfileMatchesStore(f);
}

TEST_P(LongFlowsOnSim, KeyMap) {
    FlowSim f(Model());
    f.sync.SelectProfile(2);
    f.TakeSent();
    f.sync.AssignKey(Key(4, 604, 5, 224));
    f.sync.AssignKey(Key(44, 601, 634));
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x83, 0x03, 0x83, 0x03}));
    ExpectCurrentProfileMatchesStore(f);
}

TEST_P(LongFlowsOnSim, LightModeKeepsTheKeyboardsOtherBytes) {
    FlowSim f(Model());
    f.sync.SelectProfile(1);
    const std::string before = f.State("p1.lightBlock");
    f.TakeSent();
    f.sync.ChooseLightMode(4);
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x84, 0x04}));
    const std::string after = f.State("p1.lightBlock");
    EXPECT_EQ(after.substr(24, 4), before.substr(24, 4));  // bytes 20, 21: effect parameters
    EXPECT_EQ(after.substr(80, 2), "5a");
    ExpectCurrentProfileMatchesStore(f);
}

TEST_P(LongFlowsOnSim, UserLightThenABuiltInMode) {
    FlowSim f(Model());
    f.sync.SelectProfile(1);
    const int light = f.db.AddUserLight(L"Light 1");
    KeyColour lit;
    lit.profile = 1;
    lit.light = light;
    lit.key_code = 4;
    lit.key_rgb = 0xFFFF00;
    f.db.SaveKeyColours({lit});
    f.TakeSent();
    f.sync.ApplyUserLight(3, light);
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x84, 0x04, 0x86, 0x06}));
    EXPECT_EQ(f.StateInt("p1.customLight"), 1);
    EXPECT_EQ(f.StateInt("p1.customSelector"), 0x22);
    EXPECT_EQ(f.State("onOff3"),
              HexOf(BuildOnOffMapFromColours(Model(), StoredKeyColours(f.db, light))));

    f.sync.ChooseLightMode(2);  // a built-in mode again clears the custom flag
    EXPECT_EQ(f.StateInt("p1.customLight"), 0);
}

TEST_P(LongFlowsOnSim, GameMode) {
    FlowSim f(Model());
    f.sync.SelectProfile(3);
    f.TakeSent();
    f.sync.SetGameModeSwitch(kDisableWinKey, true);
    f.sync.SetGameModeSwitch(kDisableAltF4Key, true);
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x84, 0x04, 0x84, 0x04}));
    ExpectCurrentProfileMatchesStore(f);
}

TEST_P(LongFlowsOnSim, Macros) {
    FlowSim f(Model());
    for (int m = 0; m < 3; ++m) {
        MacroDefinition d;
        d.name = L"m";
        d.play_times = 1;
        const int id = f.db.InsertMacro(d);
        for (int i = 0; i < 100; ++i) {
            MacroEvent e;
            e.macro_id = id;
            e.record_index = i;
            e.type = i % 3 == 2 ? 1 : 2 + (i % 3);
            e.value = i % 3 == 2 ? 25 : 65;
            f.db.AddMacroEvent(e);
        }
    }
    f.sync.UploadMacros();
    const auto area = BuildLongMacroArea(StoredMacros(f.db));
    EXPECT_EQ(f.TakeCommands(), std::vector<int>(LongMacroChunkCount(area), 0x05));
    EXPECT_EQ(f.State("macroArea"),
              HexOf(std::span(area.bytes).first(static_cast<std::size_t>(area.length))));
}

TEST_P(LongFlowsOnSim, ResetCurrent) {
    FlowSim f(Model());
    f.sync.SelectProfile(2);
    f.sync.AssignKey(Key(4, 604, 5));
    f.sync.SetGameModeSwitch(kDisableWinKey, true);
    f.TakeSent();
    f.sync.ResetCurrentProfile();
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x0D, 0x84, 0x83, 0x03, 0x84, 0x04, 0x84, 0x04}));
    EXPECT_EQ(f.db.GetConfigInt(2, kLightModeKey), 10);
    ExpectCurrentProfileMatchesStore(f);
}

TEST_P(LongFlowsOnSim, ResetAll) {
    FlowSim f(Model());
    f.sync.SelectProfile(4);
    f.sync.AssignKey(Key(4, 604, 5));
    f.sync.ChooseLightMode(3);
    f.TakeSent();
    f.sync.ResetAllProfiles();
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x0E}));
    EXPECT_EQ(f.state.profile, 1);
    ExpectCurrentProfileMatchesStore(f);
}

TEST_P(LongFlowsOnSim, MusicFrame) {
    FlowSim f(Model());
    f.sync.SendMusicFrame();
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x08}));
    EXPECT_EQ(f.State("musicFrame"), HexOf(BuildOnOffMapFromView(Model(), f.view.colours)));
}

TEST_P(LongFlowsOnSim, KeyboardSideChangeIsAdoptedOnTheInputReport) {
    FlowSim f(Model());
    f.sync.SelectProfile(1);
    f.sync.Tick();  // no input report: nothing but the read of the input interface
    EXPECT_EQ(f.state.profile, 1);
    ASSERT_EQ(f.sim.Ctl("keyboard-profile 0 4").rfind("ok", 0), 0u);
    ASSERT_EQ(f.sim.Ctl("keyboard-light 0 6").rfind("ok", 0), 0u);
    f.TakeSent();
    const auto start = f.manager.GetClock().Now();
    while (f.state.profile != 4 && f.manager.GetClock().Now() - start < 3000) {
        f.manager.GetClock().SleepFor(kTickIntervalMs);
        f.sync.Tick();
    }
    EXPECT_EQ(f.state.profile, 4);
    EXPECT_EQ(f.state.lightMode, 6);
    EXPECT_EQ(f.db.GetConfigInt(4, kLightModeKey), 6);
    EXPECT_EQ(f.TakeCommands(), (std::vector<int>{0x84}));  // nothing is sent back
    ExpectCurrentProfileMatchesStore(f);
}

INSTANTIATE_TEST_SUITE_P(Models, LongFlowsOnSim,
                         ::testing::Values(ModelCase{"K61SE", DeviceModel::K61SE},
                                           ModelCase{"K87SingleLight",
                                                     DeviceModel::K87SingleLight}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vekora
