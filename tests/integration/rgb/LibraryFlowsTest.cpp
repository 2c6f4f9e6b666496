// The flows of the RGB keyboards (models 9 and 10) through DeviceSync, DeviceLibrarySync,
// libTarnexio.so and the simulator: after each flow the simulated keyboard holds what the store
// holds, and the library's call log shows what was called.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "FlowSimFixture.h"
#include "LibrarySimState.h"
#include "RecordingView.h"
#include "core/DeviceLibrarySync.h"
#include "core/DeviceSync.h"
#include "core/StoredSettings.h"
#include "device/Clock.h"
#include "device/DeviceRecords.h"
#include "device/KeyCodes.h"
#include "device/ModelCatalogue.h"
#include "device/libcalls/LibraryUploads.h"
#include "device/libformats/DeviceKeyMap.h"
#include "device/libformats/DeviceLightBuffers.h"
#include "device/libformats/MacroSteps.h"
#include "device/library/DeviceLibraryBinding.h"
#include "device/manager/DeviceManager.h"
#include "device/sync/ManagerReportLink.h"

namespace vekora {
namespace {

using testing::JsonArray;
using testing::SimProcess;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

KeyAssignment Assign(int profile, int keyCode, int type, int value, int value2 = 0) {
    KeyAssignment a;
    a.profile = profile;
    a.key_code = keyCode;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    return a;
}

class RgbFlows : public ::testing::TestWithParam<int> {
protected:
    RgbFlows()
        : sim_({GetParam()}),
          binding_(VEKORA_TARNEXIO_DIR, SystemClock::Instance()),
          uploads_(binding_, SystemClock::Instance()),
          library_(state_, db_, uploads_),
          sync_(state_, db_, link_, view_, settings_, &library_) {
        for (const SupportedDevice& s : StartupSupportedDevices()) {
            manager_.AddSupported(s.vendorId, s.productId, s.productName, s.interfaceTag);
        }
        manager_.Scan();
        manager_.SetReady(true);
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() /
                  ("vekora-rgbflows-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(folder_ / "db");
        db_.OpenForModel(folder_, "rgbflows");
        state_.model = Model();
        state_.connected = true;
        binding_.SetView(&appView_);
        EXPECT_TRUE(binding_.Open(0x258A, 0x010C, std::wstring(OpenCode(Model())), nullptr));
        testing::ClearTarnexioLog();
    }
    ~RgbFlows() override {
        db_.Close();
        std::filesystem::remove_all(folder_);
    }

    DeviceModel Model() const { return DeviceModelFromCode(GetParam()); }

    std::string State() {
        const std::string answer = sim_.Ctl("state 0");
        EXPECT_EQ(answer.rfind("ok {", 0), 0u) << answer;
        return answer.size() > 3 ? answer.substr(3) : std::string();
    }

    int CountCalls(const std::string& fn) {
        const auto calls = testing::LoggedCalls();
        return static_cast<int>(std::count(calls.begin(), calls.end(), fn));
    }

    std::string ExpectedKeyMap(int profile) {
        const DeviceKeyMap map = BuildDeviceKeyMap(Model(), StoredAssignments(db_, profile),
                                                   StoredMacroDefinitions(db_));
        return testing::Hex(map.data(), map.size());
    }

    // The macro list as the simulator dumps it, from the stored macros.
    std::string ExpectedMacrosJson() {
        std::string j = "\"macros\": [";
        const auto macros = StoredMacros(db_);
        for (std::size_t m = 0; m < macros.size(); ++m) {
            j += m ? ", [" : "[";
            const auto steps = PlanMacroSteps(macros[m].events);
            for (std::size_t s = 0; s < steps.size(); ++s) {
                const int key = steps[s].virtualKey == 0x41 ? 4 : 225;
                j += (s ? ", " : "") + std::string("{\"kind\": \"") +
                     (steps[s].press ? "key_press" : "key_release") +
                     "\", \"key\": " + std::to_string(key) +
                     ", \"delay\": " + std::to_string(steps[s].delayMs) +
                     ", \"mod\": " + std::to_string(key == 225 ? 2 : 0) + "}";
            }
            j += "]";
        }
        return j + "]";
    }

    // Everything the keyboard holds equals the store: key maps of profiles 1..4 that were
    // written, the table's profile and switches, the light mode of the current profile.
    void ExpectKeyboardEqualsStore() {
        const std::string state = State();
        const auto maps = JsonArray(state, "key_maps");
        ASSERT_EQ(maps.size(), 4u);
        for (int p = 1; p <= 4; ++p) {
            if (maps[p - 1] != "null") {
                EXPECT_EQ(maps[p - 1], ExpectedKeyMap(p)) << "profile " << p;
            }
        }
        EXPECT_EQ(testing::JsonField(state, "profile"), std::to_string(state_.profile));
        const GameModeSwitches s = StoredSwitches(db_, state_.profile);
        EXPECT_NE(state.find("\"game_mode\": {\"win\": " + std::to_string(s.windowsKey) +
                             ", \"alttab\": " + std::to_string(s.altTab) +
                             ", \"altf4\": " + std::to_string(s.altF4) + "}"),
                  std::string::npos)
            << state;
        const auto light = JsonArray(state, "light");
        if (!light.empty()) {
            EXPECT_EQ(light[0], std::to_string(db_.GetConfigInt(state_.profile, kLightModeKey)));
        }
    }

    void StoreMacro() {
        MacroDefinition d;
        d.name = L"shift-a";
        d.play_times = 2;
        d.delay_type = 1;
        const int id = db_.InsertMacro(d);
        ASSERT_GT(id, 0);
        const std::pair<int, int> events[] = {{2, 0xA0}, {1, 30}, {2, 0x41}, {1, 50},
                                              {3, 0x41}, {1, 20}, {3, 0xA0}};
        int index = 0;
        for (const auto& [type, value] : events) {
            MacroEvent e;
            e.macro_id = id;
            e.type = type;
            e.value = value;
            e.record_index = index++;
            db_.AddMacroEvent(e);
        }
    }

    SimProcess sim_;
    DeviceManager manager_;
    ManagerReportLink link_{manager_, 0};
    ConfigDatabase db_;
    SyncState state_;
    testing::SyncViewStub view_;
    testing::MemorySettings settings_;
    testing::RecordingView appView_;
    DeviceLibraryBinding binding_;
    LibraryUploads uploads_;
    DeviceLibrarySync library_;
    DeviceSync sync_;
    std::filesystem::path folder_;
};

INSTANTIATE_TEST_SUITE_P(Models, RgbFlows, ::testing::Values(9, 10),
                         [](const auto& info) { return info.param == 9 ? "K87Rgb" : "K98Rgb"; });

TEST_P(RgbFlows, SelectingProfileFiveWritesFourIntoTableByte30) {
    sync_.SelectProfile(5);
    EXPECT_EQ(testing::JsonField(State(), "table").substr(60, 2), "04");
    EXPECT_EQ(CountCalls("GetTable"), 1);
    EXPECT_EQ(CountCalls("SetTable"), 1);
    ExpectKeyboardEqualsStore();
}

TEST_P(RgbFlows, AssigningAKeySendsTheProfilesKeyMap) {
    sync_.SelectProfile(2);
    StoreMacro();
    const int macroId = StoredMacroDefinitions(db_).front().macro_id;
    EXPECT_TRUE(sync_.AssignKey(Assign(2, key::A, 604, 5, key::LeftCtrl)));
    EXPECT_TRUE(sync_.AssignKey(Assign(2, key::Application, 602, macroId)));
    EXPECT_EQ(view_.messages, (std::vector<int>{505, 505}));
    EXPECT_EQ(CountCalls("SetKey"), 2);
    const auto maps = JsonArray(State(), "key_maps");
    EXPECT_EQ(maps[1], ExpectedKeyMap(2));
    EXPECT_EQ(maps[0], "null");
    ExpectKeyboardEqualsStore();
}

TEST_P(RgbFlows, ProfileFiveRefusesKeyChangesAndSendsNoUploads) {
    sync_.SelectProfile(5);
    testing::ClearTarnexioLog();
    EXPECT_FALSE(sync_.AssignKey(Assign(5, key::A, 607, 1)));
    EXPECT_EQ(view_.messages, std::vector<int>{510});
    StoreMacro();
    sync_.UploadMacros();
    sync_.UploadKeyMap();
    const int light = db_.AddUserLight(L"one");
    sync_.ApplyUserLight(1, light);
    EXPECT_TRUE(testing::LoggedCalls().empty());
    EXPECT_NE(State().find("\"macros\": null"), std::string::npos);
}

TEST_P(RgbFlows, LightModeGameModeAndUserLight) {
    sync_.ChooseLightMode(6);
    EXPECT_EQ(JsonArray(State(), "light"),
              (std::vector<std::string>{"6", "16", "3", "1", "255", "0", "0", "127", "0", "0"}));
    sync_.SetGameModeSwitch(kDisableAltTabKey, true);
    sync_.SetGameModeSwitch(kDisableAltF4Key, true);
    ExpectKeyboardEqualsStore();

    const int light = db_.AddUserLight(L"warm");
    KeyColour c;
    c.profile = 1;
    c.light = light;
    c.key_code = key::Fn;
    c.key_rgb = 0x203040;
    db_.SaveKeyColours({c});
    sync_.ApplyUserLight(4, light);
    const DeviceColourMap map = BuildDeviceColourMap(Model(), StoredKeyColours(db_, light));
    EXPECT_EQ(JsonArray(State(), "colour_slots")[3], testing::Hex(map.data(), map.size()));
}

TEST_P(RgbFlows, MacrosGoOutWithTheirLastEvent) {
    StoreMacro();
    StoreMacro();
    sync_.UploadMacros();
    EXPECT_NE(State().find(ExpectedMacrosJson()), std::string::npos) << State();
    EXPECT_EQ(CountCalls("ClearMacro"), 1);
    EXPECT_EQ(CountCalls("AddMacro"), 2);
    EXPECT_EQ(CountCalls("SetMacro"), 1);
}

TEST_P(RgbFlows, ResettingTheCurrentProfile) {
    sync_.SelectProfile(3);
    sync_.AssignKey(Assign(3, 5, 607, 1));
    sync_.SetGameModeSwitch(kDisableWinKey, true);
    StoreMacro();
    testing::ClearTarnexioLog();
    const auto start = std::chrono::steady_clock::now();
    sync_.ResetCurrentProfile();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(view_.messages.back(), 503);
    EXPECT_EQ(
        testing::LoggedCalls(),
        (std::vector<std::string>{"GetTable", "SetTable", "SetKey", "ClearMacro", "new_key_action",
                                  "new_key_action", "new_key_action", "new_key_action", "AddMacro",
                                  "SetMacro", "GetTable", "SetTable", "SetLED"}));
    EXPECT_EQ(db_.GetConfigInt(3, kLightModeKey), 10);
    ExpectKeyboardEqualsStore();
}

TEST_P(RgbFlows, ResettingAllProfiles) {
    sync_.SelectProfile(2);
    sync_.AssignKey(Assign(2, 6, 607, 1));
    const auto start = std::chrono::steady_clock::now();
    sync_.ResetAllProfiles();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1800));
    EXPECT_EQ(state_.profile, 1);
    const std::string state = State();
    const DeviceKeyMap defaults = BuildDefaultDeviceKeyMap(Model());
    const std::string hex = testing::Hex(defaults.data(), defaults.size());
    EXPECT_EQ(JsonArray(state, "key_maps"), (std::vector<std::string>{hex, hex, hex, hex}));
    for (const std::string& slot : JsonArray(state, "colour_slots")) {
        EXPECT_EQ(slot, std::string(1008, '0'));
    }
    EXPECT_EQ(JsonArray(state, "light")[0], "10");
    // No factory reset on these keyboards: profile A is selected on the keyboard as well.
    EXPECT_EQ(testing::JsonField(state, "profile"), "1");
    ExpectKeyboardEqualsStore();
}

TEST_P(RgbFlows, MusicFramesOnTheMusicPage) {
    state_.page = kMusicPage;
    state_.musicRunning = true;
    sync_.Tick();
    sync_.Tick();
    EXPECT_EQ(testing::JsonField(State(), "music_frames"), "2");
}

// The keyboard's own profile is taken over only while the window is shown and not minimised;
// taking it over sends nothing back.
TEST_P(RgbFlows, KeyboardSideProfileChangeIsTakenWhileTheWindowIsShown) {
    ASSERT_EQ(sim_.Ctl("keyboard-profile 0 3"), "ok");
    view_.shown = false;
    sync_.Tick();
    EXPECT_EQ(state_.profile, 1);
    EXPECT_EQ(CountCalls("GetTable"), 0);

    view_.shown = true;
    state_.lastSyncMs.reset();
    sync_.Tick();
    EXPECT_EQ(state_.profile, 3);
    EXPECT_EQ(settings_.values[Model()], 3);
    EXPECT_EQ(testing::LoggedCalls(), std::vector<std::string>{"GetTable"});
    // Within 1500 ms nothing is asked again.
    sync_.Tick();
    EXPECT_EQ(CountCalls("GetTable"), 1);
}

}  // namespace
}  // namespace vekora
