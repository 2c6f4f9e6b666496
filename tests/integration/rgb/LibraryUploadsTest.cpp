// Uploads of the RGB keyboards through libTarnexio.so and the simulator: each upload's result
// is read back from the simulated keyboard, the library's call log shows the calls.
#include <gtest/gtest.h>

#include <chrono>

#include "LibrarySimState.h"
#include "RecordingView.h"
#include "device/Clock.h"
#include "device/KeyCodes.h"
#include "device/ModelCatalogue.h"
#include "device/libcalls/LibraryUploads.h"
#include "device/libformats/DeviceKeyMap.h"
#include "device/libformats/DeviceLightBuffers.h"
#include "device/library/DeviceLibraryBinding.h"

namespace vekora {
namespace {

using testing::JsonArray;
using testing::SimProcess;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new testing::SimEnvironment);

constexpr std::uint16_t kVendor = 0x258A;
constexpr std::uint16_t kProduct = 0x010C;

KeyAssignment Assign(int profile, int keyCode, int type, int value, int value2 = 0) {
    KeyAssignment a;
    a.profile = profile;
    a.key_code = keyCode;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    return a;
}

MacroEvent Event(int type, int value) {
    MacroEvent e;
    e.type = type;
    e.value = value;
    return e;
}

MacroDefinition Macro(int id, int playTimes) {
    MacroDefinition m;
    m.macro_id = id;
    m.play_times = playTimes;
    return m;
}

std::string ModelName(const ::testing::TestParamInfo<int>& info) {
    return info.param == 9 ? "K87Rgb" : "K98Rgb";
}

class RgbUploads : public ::testing::TestWithParam<int> {
protected:
    RgbUploads()
        : sim_({GetParam()}),
          binding_(VEKORA_TARNEXIO_DIR, SystemClock::Instance()),
          uploads_(binding_, SystemClock::Instance()) {
        binding_.SetView(&view_);
        testing::ClearTarnexioLog();
        EXPECT_TRUE(binding_.Open(kVendor, kProduct, std::wstring(OpenCode(Model())), nullptr));
    }

    DeviceModel Model() const { return DeviceModelFromCode(GetParam()); }

    std::string State() {
        const std::string answer = sim_.Ctl("state 0");
        EXPECT_EQ(answer.rfind("ok {", 0), 0u) << answer;
        return answer.size() > 3 ? answer.substr(3) : std::string();
    }

    SimProcess sim_;
    testing::RecordingView view_;
    DeviceLibraryBinding binding_;
    LibraryUploads uploads_;
};

INSTANTIATE_TEST_SUITE_P(Models, RgbUploads, ::testing::Values(9, 10), ModelName);

TEST_P(RgbUploads, OpeningSaysHelloAndEntersHostMode) {
    EXPECT_TRUE(uploads_.Ready());
    EXPECT_EQ(testing::LoggedCalls(), (std::vector<std::string>{"OpenDevice", "SetMultiBoard"}));
    const std::string state = State();
    EXPECT_NE(state.find("\"host_mode\": true"), std::string::npos);
    EXPECT_NE(state.find("\"board\": " + std::string(GetParam() == 9 ? "87" : "98")),
              std::string::npos);
}

TEST_P(RgbUploads, KeyMapOfAProfileIsWhatTheKeyboardHolds) {
    const std::vector<MacroDefinition> macros = {Macro(3, 1), Macro(8, 4)};
    const std::vector<KeyAssignment> assignments = {
        Assign(2, key::A, 604, 5, key::LeftCtrl), Assign(2, key::Application, 607, 1),
        Assign(2, key::F1, 601, 630), Assign(2, key::Space, 602, 8)};
    EXPECT_EQ(uploads_.UploadKeyMap(Model(), 2, assignments, macros), 1);
    const DeviceKeyMap expected = BuildDeviceKeyMap(Model(), assignments, macros);
    const auto maps = JsonArray(State(), "key_maps");
    ASSERT_EQ(maps.size(), 4u);
    EXPECT_EQ(maps[0], "null");
    EXPECT_EQ(maps[1], testing::Hex(expected.data(), expected.size()));
    EXPECT_EQ(maps[2], "null");
    if (Model() == DeviceModel::K87Rgb) {
        // The Application key's entry sits in slot 65.
        EXPECT_EQ(maps[1].substr(65 * 8, 8), "00000001");
        EXPECT_EQ(maps[1].substr(71 * 8, 8), "0000005d");
    }
}

TEST_P(RgbUploads, DefaultKeyMapsOfTheFourOnBoardProfiles) {
    testing::ClearTarnexioLog();
    const auto start = std::chrono::steady_clock::now();
    uploads_.UploadDefaultKeyMaps(Model());
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
    const DeviceKeyMap defaults = BuildDefaultDeviceKeyMap(Model());
    const std::string hex = testing::Hex(defaults.data(), defaults.size());
    EXPECT_EQ(JsonArray(State(), "key_maps"), (std::vector<std::string>{hex, hex, hex, hex}));
    EXPECT_EQ(testing::LoggedCalls(),
              (std::vector<std::string>{"SetKey", "SetKey", "SetKey", "SetKey"}));
}

TEST_P(RgbUploads, ProfileFiveSendsNoKeyMapUserLightOrMacros) {
    testing::ClearTarnexioLog();
    EXPECT_EQ(uploads_.UploadKeyMap(Model(), 5, {Assign(5, key::A, 607, 1)}, {}), -1);
    uploads_.UploadUserLight(Model(), 5, 1, {});
    uploads_.UploadMacros(5, {{Macro(1, 1), {Event(2, 0x41), Event(3, 0x41)}}});
    EXPECT_TRUE(testing::LoggedCalls().empty());
    const std::string state = State();
    EXPECT_EQ(JsonArray(state, "key_maps"),
              (std::vector<std::string>{"null", "null", "null", "null"}));
    EXPECT_NE(state.find("\"macros\": null"), std::string::npos);
}

TEST_P(RgbUploads, ProfileSelectionAndGameModeChangeOnlyTheirTableBytes) {
    EXPECT_TRUE(uploads_.SelectProfile(5));
    EXPECT_TRUE(uploads_.SendGameMode(true, false, true));
    const std::string state = State();
    EXPECT_NE(
        state.find("\"profile\": 5, \"game_mode\": {\"win\": 1, \"alttab\": 0, \"altf4\": 1}"),
        std::string::npos)
        << state;
    const std::string table = testing::JsonField(state, "table");
    ASSERT_EQ(table.size(), 256u);
    EXPECT_EQ(table.substr(60, 2), "04");                              // byte 30
    EXPECT_EQ(table.substr(0, 4), GetParam() == 9 ? "0157" : "0162");  // kept as read
    EXPECT_EQ(uploads_.ReadProfile(), 5);
    ASSERT_EQ(sim_.Ctl("keyboard-profile 0 2"), "ok");
    EXPECT_EQ(uploads_.ReadProfile(), 2);
    const auto calls = testing::LoggedCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "GetTable"), 4);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetTable"), 2);
}

TEST_P(RgbUploads, LightModeRecord) {
    EXPECT_EQ(uploads_.SendLightMode(7), 1);
    EXPECT_EQ(JsonArray(State(), "light"),
              (std::vector<std::string>{"7", "16", "3", "1", "255", "0", "0", "127", "0", "0"}));
}

TEST_P(RgbUploads, UserLightsAndClearing) {
    KeyColour red;
    red.key_code = key::A;
    red.key_rgb = 0x0000FF;
    KeyColour fn;
    fn.key_code = key::Fn;
    fn.key_rgb = 0x123456;
    uploads_.UploadUserLight(Model(), 1, 3, {red, fn});
    const DeviceColourMap expected = BuildDeviceColourMap(Model(), {red, fn});
    auto slots = JsonArray(State(), "colour_slots");
    ASSERT_EQ(slots.size(), 5u);
    EXPECT_EQ(slots[2], testing::Hex(expected.data(), expected.size()));
    EXPECT_EQ(slots[0], "null");

    const auto start = std::chrono::steady_clock::now();
    uploads_.ClearUserLights();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    slots = JsonArray(State(), "colour_slots");
    for (const std::string& s : slots) {
        EXPECT_EQ(s, std::string(1008, '0'));
    }
}

TEST_P(RgbUploads, MacrosArriveAsStepRecordsWithTheirLastEvent) {
    // A recorded stroke of Shift+A: the final release of Shift is sent too.
    const std::vector<LibraryMacro> macros = {
        {Macro(1, 1),
         {Event(2, 0xA0), Event(1, 40), Event(2, 0x41), Event(1, 60), Event(3, 0x41), Event(1, 20),
          Event(3, 0xA0)}},
        {Macro(2, 2), {Event(4, 1), Event(1, 100), Event(5, 1)}},
    };
    uploads_.UploadMacros(1, macros);
    const std::string state = State();
    const std::string expected =
        "\"macros\": [[{\"kind\": \"key_press\", \"key\": 225, \"delay\": 40, \"mod\": 2}, "
        "{\"kind\": \"key_press\", \"key\": 4, \"delay\": 60, \"mod\": 0}, "
        "{\"kind\": \"key_release\", \"key\": 4, \"delay\": 20, \"mod\": 0}, "
        "{\"kind\": \"key_release\", \"key\": 225, \"delay\": 20, \"mod\": 2}], "
        "[{\"kind\": \"button_press\", \"key\": 1, \"delay\": 100, \"mod\": 0}, "
        "{\"kind\": \"button_release\", \"key\": 1, \"delay\": 100, \"mod\": 0}]]";
    EXPECT_NE(state.find(expected), std::string::npos) << state;
    const auto calls = testing::LoggedCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "new_key_action"), 6);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "AddMacro"), 2);
    EXPECT_EQ(calls.back(), "SetMacro");
}

TEST_P(RgbUploads, MusicFrames) {
    const std::vector<KeyLight> keys = {{key::A, 0x00FF00}, {key::Esc, 0x0000FF}};
    uploads_.SendMusicFrame(Model(), keys);
    uploads_.SendMusicFrame(Model(), keys);
    const std::string state = State();
    EXPECT_EQ(testing::JsonField(state, "music_frames"), "2");
    const std::string frame = testing::JsonField(state, "music_frame");
    EXPECT_EQ(frame.substr(0, 6), "ff0000");      // Esc, slot 0: red
    EXPECT_EQ(frame.substr(9 * 6, 6), "00ff00");  // A, slot 9: green
}

// The keyboard refuses one call: the program closes and re-opens it with the open code of
// its model (a 98-key keyboard comes back as itself), waits 1000 ms and calls once more.
TEST_P(RgbUploads, ARefusedCallReopensTheKeyboardAndRetriesOnce) {
    const std::size_t reportsBefore = sim_.Log().size();
    ASSERT_EQ(sim_.Ctl("fault 0 refuse-once"), "ok");
    testing::ClearTarnexioLog();
    const std::vector<KeyAssignment> assignments = {Assign(1, key::Z, 607, 1)};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(uploads_.UploadKeyMap(Model(), 1, assignments, {}), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(testing::LoggedCalls(),
              (std::vector<std::string>{"SetKey", "CloseDevice", "OpenDevice", "SetMultiBoard",
                                        "SetKey"}));
    const std::string log = testing::ReadTarnexioLog();
    std::string codeHex;
    for (wchar_t c : OpenCode(Model())) {
        const auto b = static_cast<std::uint8_t>(c);
        codeHex += testing::Hex(&b, 1);
    }
    EXPECT_NE(log.find("\"fn\": \"OpenDevice\", \"args\": [0, 0], \"data\": \"" + codeHex),
              std::string::npos)
        << log;
    // The keyboard's log: the refused answer (status 0x04 at byte 512), then the re-open.
    const auto reports = sim_.Log();
    ASSERT_GT(reports.size(), reportsBefore + 2);
    const testing::LogEntry& refused = reports[reportsBefore + 1];
    EXPECT_EQ(refused.op, "get_feature");
    EXPECT_EQ(refused.data.substr(512 * 2, 2), "04");
    EXPECT_EQ(refused.data.substr(2 * 2, 2), "10");  // the key map write
    EXPECT_EQ(reports.back().op, "get_feature");
    EXPECT_EQ(reports.back().data.substr(512 * 2, 2), "00");
    const DeviceKeyMap expected = BuildDeviceKeyMap(Model(), assignments, {});
    EXPECT_EQ(JsonArray(State(), "key_maps")[0], testing::Hex(expected.data(), expected.size()));
    EXPECT_TRUE(uploads_.Ready());
}

// A keyboard that refuses everything cannot be re-opened either: the handle is gone and the
// call is not repeated. The next light mode finds no handle (-1), re-opens and goes through.
TEST_P(RgbUploads, AKeyboardThatKeepsRefusingIsReopenedByTheNextLightMode) {
    ASSERT_EQ(sim_.Ctl("fault 0 refuse-always"), "ok");
    testing::ClearTarnexioLog();
    EXPECT_EQ(uploads_.SendLightMode(3), -2);
    EXPECT_EQ(testing::LoggedCalls(),
              (std::vector<std::string>{"SetLED", "CloseDevice", "OpenDevice"}));
    EXPECT_FALSE(uploads_.Ready());
    EXPECT_NE(State().find("\"light\": null"), std::string::npos);

    ASSERT_EQ(sim_.Ctl("fault 0 none"), "ok");
    testing::ClearTarnexioLog();
    EXPECT_EQ(uploads_.UploadKeyMap(Model(), 1, {}, {}), -1);  // skipped without a handle
    EXPECT_EQ(uploads_.SendLightMode(3), -1);
    EXPECT_EQ(testing::LoggedCalls(),
              (std::vector<std::string>{"OpenDevice", "SetMultiBoard", "SetLED"}));
    EXPECT_EQ(JsonArray(State(), "light")[0], "3");
}

}  // namespace
}  // namespace vekora
