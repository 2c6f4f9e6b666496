// vekora-ctl with simulated keyboards: detection, the model choice between two keyboards,
// and the flows' reports reaching the keyboard.
#include <gtest/gtest.h>

#include "CtlRunner.h"
#include "SimProcess.h"

namespace vekora {
namespace {

using testing::Contains;
using testing::CtlRunner;
using testing::SimProcess;

class CtlDevices : public ::testing::Test {
protected:
    CtlDevices() : sim_({10, 1}) {
        ctl_.SetEnv("VEKORA_HID_SIM", SimProcess::SocketPath().string());
    }
    SimProcess sim_;
    CtlRunner ctl_;
};

TEST_F(CtlDevices, ListsBothKeyboardsWithTheirModels) {
    const auto r = ctl_.Run({"devices", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out,
                         "\"index\": 0, \"vendor_id\": 9610, \"product_id\": 268, "
                         "\"manufacturer\": \"Vekora\", \"product\": \"VEKORA K98-1980\""))
        << r.out;
    EXPECT_TRUE(Contains(r.out, "\"model\": 10, \"model_name\": \"K98Rgb\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"model\": 1, \"model_name\": \"K61\"")) << r.out;
}

TEST_F(CtlDevices, ModelChoiceBetweenConnectedKeyboardsHolds) {
    for (const char* code : {"10", "1", "10"}) {
        ASSERT_EQ(ctl_.Run({"model", code}).status, 0);
        const auto status = ctl_.Run({"status", "--json"});
        EXPECT_TRUE(Contains(status.out, std::string("\"model\": ") + code + ",")) << status.out;
        EXPECT_TRUE(Contains(status.out, "\"connected\": true")) << status.out;
    }
}

TEST_F(CtlDevices, AModelWithoutItsKeyboardIsRefusedWhileAnotherIsConnected) {
    const auto r = ctl_.Run({"model", "7"});
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(Contains(r.err, "keyboard is connected")) << r.err;
}

TEST_F(CtlDevices, KeyboardUnpluggedMeansNoKeyboard) {
    ASSERT_EQ(sim_.Ctl("unplug 1"), "ok");
    ASSERT_EQ(sim_.Ctl("unplug 0"), "ok");
    EXPECT_TRUE(Contains(ctl_.Run({"status", "--json"}).out, "\"connected\": false"));
    EXPECT_EQ(ctl_.Run({"reset", "current"}).status, 3);
}

// The 98-key RGB keyboard is driven through the device library; its simulator keeps what the
// library wrote.
TEST_F(CtlDevices, RgbKeyboardTakesTheFlowsThroughTheDeviceLibrary) {
    ASSERT_EQ(ctl_.Run({"model", "10"}).status, 0);
    const auto state = [&] { return sim_.Ctl("state 0"); };
    ASSERT_TRUE(Contains(state(), "\"key_maps\": [null, null, null, null]")) << state();

    EXPECT_EQ(ctl_.Run({"key", "Caps", "key:ctrl+z"}).status, 0);
    EXPECT_FALSE(Contains(state(), "\"key_maps\": [null,")) << state();

    EXPECT_EQ(ctl_.Run({"light", "3"}).status, 0);
    EXPECT_TRUE(Contains(state(), "\"light\": [3,")) << state();

    EXPECT_EQ(ctl_.Run({"lock", "altf4", "on"}).status, 0);
    EXPECT_TRUE(Contains(state(), "\"altf4\": 1}")) << state();

    EXPECT_EQ(ctl_.Run({"profile", "3"}).status, 0);
    EXPECT_TRUE(Contains(state(), "\"profile\": 3,")) << state();

    EXPECT_EQ(ctl_.Run({"macro", "add", "M", "down:a", "up:a"}).status, 0);
    EXPECT_TRUE(Contains(state(), "\"kind\": \"key_press\"")) << state();
}

TEST_F(CtlDevices, RgbKeyboardProfileChosenOnTheKeyboardShowsInStatus) {
    ASSERT_EQ(ctl_.Run({"model", "10"}).status, 0);
    ASSERT_EQ(sim_.Ctl("keyboard-profile 0 4"), "ok");
    EXPECT_TRUE(Contains(ctl_.Run({"status", "--json"}).out, "\"profile\": 4,"));
}

// A 61-key RGB keyboard alone: each flow's result in the keyboard's own state.
class CtlShortKeyboard : public ::testing::Test {
protected:
    CtlShortKeyboard() : sim_({1}) {
        ctl_.SetEnv("VEKORA_HID_SIM", SimProcess::SocketPath().string());
    }
    std::string State(const std::string& key, int device = 0) {
        const std::string answer = sim_.Ctl("state " + std::to_string(device));
        EXPECT_EQ(answer.rfind("ok ", 0), 0u) << answer;
        return testing::JsonField(answer, key);
    }
    // True when a byte area holds anything besides its end mark.
    static bool AreaSet(std::string hex) {
        if (hex.size() >= 4 && hex.substr(hex.size() - 4) == "aa55") {
            hex.resize(hex.size() - 4);
        }
        return hex.find_first_not_of('0') != std::string::npos;
    }
    size_t Reports() { return sim_.Log().size(); }

    SimProcess sim_;
    CtlRunner ctl_;
};

TEST_F(CtlShortKeyboard, KeyRemapReachesTheKeyboard) {
    ASSERT_FALSE(AreaSet(State("p1.keyMap")));
    const auto r = ctl_.Run({"key", "Esc", "media:play-pause"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Set Successful!\n");
    EXPECT_TRUE(AreaSet(State("p1.keyMap")));
    EXPECT_FALSE(AreaSet(State("p2.keyMap")));
}

TEST_F(CtlShortKeyboard, EffectAndLockReachTheKeyboard) {
    EXPECT_EQ(ctl_.Run({"light", "5"}).status, 0);
    EXPECT_EQ(State("p1.lightMode"), "5");
    const int before = std::stoi(State("p1.gameMode"));
    EXPECT_EQ(ctl_.Run({"lock", "win", "on"}).status, 0);
    EXPECT_EQ(std::stoi(State("p1.gameMode")), before | 1);
    EXPECT_EQ(ctl_.Run({"lock", "win", "off"}).status, 0);
    EXPECT_EQ(std::stoi(State("p1.gameMode")), before);
}

TEST_F(CtlShortKeyboard, UserLightPaintReachesTheKeyboard) {
    EXPECT_EQ(ctl_.Run({"userlight", "save-slot", "1", "1"}).status, 0);
    EXPECT_EQ(ctl_.Run({"userlight", "paint", "1", "Esc=#FF0000", "Space=#0000FF"}).status, 0);
    EXPECT_TRUE(AreaSet(State("light1")));
}

TEST_F(CtlShortKeyboard, SelectingAUserLightShowsItInTheCurrentSlot) {
    // Stored without reaching the keyboard: the keyboard has no slot to show it in yet.
    ASSERT_EQ(sim_.Ctl("unplug 0"), "ok");
    ASSERT_EQ(ctl_.Run({"userlight", "paint", "1", "Q=#00FF00"}).status, 0);
    const std::string plugged = sim_.Ctl("plug 1");  // "ok <index>"
    ASSERT_EQ(plugged.rfind("ok ", 0), 0u) << plugged;
    const int device = std::stoi(plugged.substr(3));
    ASSERT_FALSE(AreaSet(State("light1", device)));
    const auto r = ctl_.Run({"userlight", "select", "1", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"slot\": 1")) << r.out;
    EXPECT_TRUE(AreaSet(State("light1", device)));
}

TEST_F(CtlShortKeyboard, MacroUploadFillsTheMacroArea) {
    ASSERT_FALSE(AreaSet(State("macroArea")));
    const auto r = ctl_.Run({"macro", "add", "M", "down:a", "delay:10", "up:a"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(AreaSet(State("macroArea")));
}

TEST_F(CtlShortKeyboard, ProfileEChangesNothingOnTheKeyboard) {
    ASSERT_EQ(ctl_.Run({"profile", "5"}).status, 0);
    const size_t reports = Reports();
    EXPECT_EQ(ctl_.Run({"key", "A", "fn"}).status, 4);
    EXPECT_EQ(Reports(), reports);
}

TEST_F(CtlShortKeyboard, StatusTakesOverAProfileChosenOnTheKeyboard) {
    ASSERT_EQ(sim_.Ctl("keyboard-profile 0 3"), "ok");
    const auto r = ctl_.Run({"status", "--json"});
    EXPECT_TRUE(Contains(r.out, "\"profile\": 3,")) << r.out;
    EXPECT_TRUE(Contains(ctl_.Run({"profile"}).out, "profile: 3 (Profile C)"));
}

TEST_F(CtlShortKeyboard, ResetCurrentProfile) {
    ASSERT_EQ(ctl_.Run({"key", "A", "disable"}).status, 0);
    const auto r = ctl_.Run({"reset", "current"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Reset Successful!\n");
    EXPECT_TRUE(Contains(ctl_.Run({"keys", "--json"}).out, "\"keys\": []"));
}

TEST_F(CtlShortKeyboard, ResetAllNeedsConfirmationThenClearsEverything) {
    ASSERT_EQ(ctl_.Run({"macro", "add", "M", "down:a", "up:a"}).status, 0);
    EXPECT_EQ(ctl_.Run({"reset", "all"}).status, 2);
    const auto r = ctl_.Run({"reset", "all", "--yes"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Reset Successful!\n");
    EXPECT_TRUE(Contains(ctl_.Run({"macro", "list", "--json"}).out, "\"macros\": []"));
}

TEST_F(CtlShortKeyboard, MusicSendsFramesEvery33Ms) {
    const auto r = ctl_.Run({"music", "--seconds", "1", "--fore", "2", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    const int frames = std::stoi(testing::JsonField(r.out, "frames"));
    EXPECT_GE(frames, 10) << r.out;  // about 30; a lower bound only
    EXPECT_FALSE(State("musicFrame").empty());
}

TEST_F(CtlShortKeyboard, TwoProcessesAtOnceBothReachTheKeyboard) {
    const pid_t first = ctl_.Start({"key", "Q", "disable"});
    const pid_t second = ctl_.Start({"light", "7"});
    EXPECT_EQ(ctl_.Wait(first).status, 0);
    EXPECT_EQ(ctl_.Wait(second).status, 0);
    EXPECT_TRUE(AreaSet(State("p1.keyMap")));
    EXPECT_EQ(State("p1.lightMode"), "7");
}

}  // namespace
}  // namespace vekora
