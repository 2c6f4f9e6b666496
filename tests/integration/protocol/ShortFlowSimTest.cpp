// Short-family flows (model 1) against the simulator.
#include <gtest/gtest.h>

#include "FlowSimFixture.h"
#include "core/StoredSettings.h"
#include "device/protocol/ShortAreas.h"
#include "device/protocol/ShortCommands.h"
#include "device/protocol/ShortMacroArea.h"

namespace vekora {
namespace {

using testing::FlowSim;
using testing::HexOf;
using testing::ShortWireHex;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

std::string Cmd(ShortCommand c) {
    return ShortWireHex(BuildShortCommand(c));
}

std::vector<std::string> Blocks(std::span<const std::uint8_t> area, int blocks) {
    std::vector<std::string> out;
    for (int b = 0; b < blocks; ++b) {
        out.push_back("00" + HexOf(area.subspan(static_cast<std::size_t>(b) * 64, 64)));
    }
    return out;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

// Every profile's key map, light mode and game-mode packet on the keyboard equal the store.
void ExpectKeyboardMatchesStore(FlowSim& f) {
    for (int p = 1; p <= 5; ++p) {
        const std::string k = "p" + std::to_string(p) + ".";
        const auto area = BuildShortKeyMapArea(StoredAssignments(f.db, p),
                                               StoredMacroDefinitions(f.db), f.state.revisionFlag);
        EXPECT_EQ(f.State(k + "keyMap"), HexOf(area)) << "profile " << p;
        EXPECT_EQ(f.StateInt(k + "lightMode"), f.db.GetConfigInt(p, kLightModeKey))
            << "profile " << p;
        EXPECT_EQ(f.StateInt(k + "gameMode"), 0x80 | StoredSwitches(f.db, p).Bits())
            << "profile " << p;
    }
}

KeyAssignment Key(int code, int type, int value, int value2 = 0) {
    KeyAssignment a;
    a.key_code = code;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    return a;
}

TEST(ShortFlowsOnSim, KeyMapOfSeveralProfiles) {
    FlowSim f(DeviceModel::K61);
    f.state.profile = 2;
    f.sync.AssignKey(Key(4, 604, 5, 224));
    f.sync.AssignKey(Key(41, 601, 630));
    f.state.profile = 4;
    f.sync.AssignKey(Key(44, 603, 650));
    ExpectKeyboardMatchesStore(f);
}

TEST(ShortFlowsOnSim, KeyMapSequence) {
    FlowSim f(DeviceModel::K61);
    f.state.profile = 3;
    f.sync.AssignKey(Key(4, 604, 5, 224));
    const auto area =
        BuildShortKeyMapArea(StoredAssignments(f.db, 3), StoredMacroDefinitions(f.db), false);
    EXPECT_EQ(f.TakeSent(),
              Join({{Cmd(ShortCommand::BeginConfig), ShortWireHex(BuildKeyMapCommand(3))},
                    Blocks(area, 9),
                    {Cmd(ShortCommand::Commit), Cmd(ShortCommand::EndTransaction)}}));
    ExpectKeyboardMatchesStore(f);
}

TEST(ShortFlowsOnSim, LightModeAndProfileSelect) {
    FlowSim f(DeviceModel::K61);
    f.sync.ChooseLightMode(7);
    EXPECT_EQ(f.TakeSent(),
              (std::vector<std::string>{
                  Cmd(ShortCommand::BeginConfig), ShortWireHex(BuildLightSettingsCommand(1)),
                  ShortWireHex(BuildLightSettingsPacket(7)), Cmd(ShortCommand::Commit),
                  Cmd(ShortCommand::EndTransaction)}));
    f.db.SetConfigInt(4, kLightModeKey, 12);
    f.sync.SelectProfile(4);
    EXPECT_EQ(f.TakeSent(),
              (std::vector<std::string>{
                  Cmd(ShortCommand::BeginConfig), ShortWireHex(BuildLightSettingsCommand(4)),
                  ShortWireHex(BuildLightSettingsPacket(12)), Cmd(ShortCommand::Commit),
                  Cmd(ShortCommand::EndTransaction)}));
    ExpectKeyboardMatchesStore(f);
}

TEST(ShortFlowsOnSim, UserLightAndClearingAll) {
    FlowSim f(DeviceModel::K61);
    const int light = f.db.AddUserLight(L"Light 1");
    KeyColour red;
    red.profile = 1;
    red.light = light;
    red.key_code = 4;
    red.key_rgb = 0x0000FF;
    f.db.SaveKeyColours({red});
    f.sync.ApplyUserLight(2, light);
    const auto area = BuildShortColourArea(DeviceModel::K61, false, StoredKeyColours(f.db, light));
    EXPECT_EQ(f.TakeSent(),
              Join({{Cmd(ShortCommand::BeginConfig), ShortWireHex(BuildUserLightColoursCommand(2))},
                    Blocks(area, 9),
                    {Cmd(ShortCommand::Commit), Cmd(ShortCommand::EndTransaction)}}));
    EXPECT_EQ(f.State("light2"), HexOf(area));

    f.sync.ResetAllProfiles();
    const auto empty = EmptyShortColourArea();
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(f.State("light" + std::to_string(n)), HexOf(empty)) << n;
    }
    ExpectKeyboardMatchesStore(f);
}

TEST(ShortFlowsOnSim, GameMode) {
    FlowSim f(DeviceModel::K61);
    f.state.profile = 2;
    f.sync.SetGameModeSwitch(kDisableAltTabKey, true);
    EXPECT_EQ(
        f.TakeSent(),
        (std::vector<std::string>{
            Cmd(ShortCommand::BeginConfig), ShortWireHex(BuildGameModeCommand(2)),
            ShortWireHex(BuildGameModePacket({false, true, false})), Cmd(ShortCommand::Commit)}));
    ExpectKeyboardMatchesStore(f);
}

TEST(ShortFlowsOnSim, Macros) {
    FlowSim f(DeviceModel::K61);
    MacroDefinition d;
    d.name = L"hello";
    d.play_times = 2;
    d.delay_type = 1;
    const int id = f.db.InsertMacro(d);
    for (int i = 0; i < 4; ++i) {
        MacroEvent e;
        e.macro_id = id;
        e.record_index = i;
        e.type = i % 2 == 0 ? 2 : 3;
        e.value = 65 + i / 2;
        f.db.AddMacroEvent(e);
    }
    f.state.profile = 1;
    f.sync.AssignKey(Key(5, 602, id));
    f.TakeSent();
    ASSERT_EQ(f.sync.UploadMacros(), ShortMacroFit::Fits);
    const auto area = BuildShortMacroArea(StoredMacros(f.db));
    EXPECT_EQ(
        f.TakeSent(),
        Join({{Cmd(ShortCommand::BeginMacro), ShortWireHex(BuildMacroAreaCommand(area.blocks))},
              Blocks(area.bytes, area.blocks),
              {Cmd(ShortCommand::Commit)}}));
    EXPECT_EQ(f.State("macroArea"),
              HexOf(std::span(area.bytes).first(static_cast<std::size_t>(area.blocks) * 64)));
    ExpectKeyboardMatchesStore(f);
}

TEST(ShortFlowsOnSim, ResetCurrentLeavesKeyboardLikeTheStore) {
    FlowSim f(DeviceModel::K61);
    f.state.profile = 2;
    f.sync.AssignKey(Key(4, 604, 5));
    f.sync.ChooseLightMode(9);
    f.sync.ResetCurrentProfile();
    EXPECT_EQ(f.db.GetConfigInt(2, kLightModeKey), 1);
    ExpectKeyboardMatchesStore(f);
    EXPECT_EQ(f.view.messages.back(), kResetSuccessfulTextId);
}

TEST(ShortFlowsOnSim, MusicFrame) {
    FlowSim f(DeviceModel::K61);
    f.sync.SendMusicFrame();
    const auto frame = BuildShortMusicFrame(DeviceModel::K61, false, f.view.colours);
    EXPECT_EQ(f.TakeSent(), Join({{ShortWireHex(BuildMusicFrameCommand())},
                                  Blocks(frame, 8),
                                  {Cmd(ShortCommand::Commit)}}));
    EXPECT_EQ(f.State("musicFrame"), HexOf(frame));
}

TEST(ShortFlowsOnSim, KeyboardSideProfileChangeIsAdoptedAtTheNextSynchronisation) {
    FlowSim f(DeviceModel::K61);
    const auto start = f.manager.GetClock().Now();
    f.sync.Tick();  // first synchronisation: nothing changed
    EXPECT_EQ(f.state.profile, 1);
    ASSERT_EQ(f.sim.Ctl("keyboard-profile 0 3").rfind("ok", 0), 0u);
    f.db.SetConfigInt(3, kLightModeKey, 6);
    f.TakeSent();
    while (f.state.profile != 3 && f.manager.GetClock().Now() - start < 3000) {
        f.manager.GetClock().SleepFor(kTickIntervalMs);
        f.sync.Tick();
    }
    EXPECT_EQ(f.state.profile, 3);
    EXPECT_EQ(f.settings.values[DeviceModel::K61], 3);
    EXPECT_GE(f.manager.GetClock().Now() - start, kSyncIntervalMs);
    const auto sent = f.TakeSent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent.front(), Cmd(ShortCommand::ReadProfile));
    EXPECT_EQ(sent.back(), Cmd(ShortCommand::Commit));
    ExpectKeyboardMatchesStore(f);
}

TEST(ShortFlowsOnSim, AProfileChosenInTheProgramSurvivesTheNextSynchronisation) {
    FlowSim f(DeviceModel::K61);
    f.sync.SelectProfile(3);
    // The light transaction of profile 3 is all a selection sends; the keyboard follows it.
    EXPECT_EQ(f.StateInt("profile"), 3);
    const auto start = f.manager.GetClock().Now();
    while (f.manager.GetClock().Now() - start < kSyncIntervalMs + 2 * kTickIntervalMs) {
        f.manager.GetClock().SleepFor(kTickIntervalMs);
        f.sync.Tick();
    }
    EXPECT_EQ(f.state.profile, 3);
    EXPECT_EQ(f.settings.values[DeviceModel::K61], 3);
}

}  // namespace
}  // namespace vekora
