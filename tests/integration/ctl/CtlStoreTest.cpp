// vekora-ctl without a keyboard: the commands that work on the stored settings alone, and the
// refusals of those that need a keyboard.
#include <gtest/gtest.h>

#include <fstream>

#include "CtlRunner.h"

namespace vekora {
namespace {

using testing::Contains;
using testing::CtlRunner;

class CtlStore : public ::testing::Test {
protected:
    CtlStore() {
        // A simulator socket nobody answers: no keyboard, and never a real one.
        ctl_.SetEnv("VEKORA_HID_SIM", (ctl_.Home() / "nobody.sock").string());
    }
    CtlRunner ctl_;
};

TEST_F(CtlStore, KeyRemapIsStoredAndListed) {
    const auto set = ctl_.Run({"key", "A", "key:ctrl+z"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "Set Successful!\n");

    const auto keys = ctl_.Run({"keys", "--json"});
    EXPECT_TRUE(Contains(keys.out, "\"key_code\": 4, \"key_label\": \"A\", \"macro_type\": 604"))
        << keys.out;
    EXPECT_TRUE(Contains(keys.out, "\"macro_desc\": \"Ctrl+Z\"")) << keys.out;

    EXPECT_EQ(ctl_.Run({"key", "A", "default"}).status, 0);
    EXPECT_TRUE(Contains(ctl_.Run({"keys", "--json"}).out, "\"keys\": []"));
}

TEST_F(CtlStore, ProfileEIsRefused) {
    EXPECT_EQ(ctl_.Run({"profile", "5"}).status, 0);
    const auto r = ctl_.Run({"key", "Esc", "disable"});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.out, "This mode does not support modification!\n");
    EXPECT_TRUE(Contains(ctl_.Run({"keys", "--json"}).out, "\"keys\": []"));
}

TEST_F(CtlStore, StatusJsonNamesTheStateFields) {
    ASSERT_EQ(ctl_.Run({"model", "10"}).status, 0);
    ASSERT_EQ(ctl_.Run({"profile", "3"}).status, 0);
    ASSERT_EQ(ctl_.Run({"light", "4"}).status, 0);
    ASSERT_EQ(ctl_.Run({"lock", "alttab", "on"}).status, 0);
    const auto r = ctl_.Run({"status", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(Contains(r.out, "\"model\": 10,")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"connected\": false,")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"profile\": 3,")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"light_mode\": 4,")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"disable_win\": 0, \"disable_alttab\": 1, \"disable_altf4\": 0"))
        << r.out;
}

TEST_F(CtlStore, ModelChoiceIsKeptForLaterInvocations) {
    ASSERT_EQ(ctl_.Run({"model", "7"}).status, 0);
    EXPECT_TRUE(Contains(ctl_.Run({"status"}).out, "model:      7 K61SE"));
    std::ifstream settings(ctl_.Home() / "config" / "Vekora Control Hub" / "settings.ini");
    std::string text((std::istreambuf_iterator<char>(settings)), {});
    EXPECT_TRUE(Contains(text, "DevType=7")) << text;
}

TEST_F(CtlStore, FlowsThatNeedAKeyboardExitWithThree) {
    const auto current = ctl_.Run({"reset", "current"});
    EXPECT_EQ(current.status, 3);
    EXPECT_EQ(current.out, "Please connect the device!\n");
    EXPECT_EQ(ctl_.Run({"reset", "all", "--yes"}).status, 3);
    EXPECT_EQ(ctl_.Run({"music", "--seconds", "1"}).status, 3);
    EXPECT_EQ(ctl_.Run({"devices"}).status, 3);
}

TEST_F(CtlStore, UserLightsAddPaintShowSaveAndKeepTheLastOne) {
    const auto list = ctl_.Run({"userlight", "list", "--json"});
    ASSERT_TRUE(Contains(list.out, "{\"light_id\": 1, \"name\": \"Light 1\", \"slots\": []}"))
        << list.out;
    const auto add = ctl_.Run({"userlight", "add", "Sunset", "--json"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_TRUE(Contains(add.out, "\"light_id\": 2, \"name\": \"Sunset\"")) << add.out;

    const auto paint = ctl_.Run({"userlight", "paint", "2", "Esc=#FF0000", "Space=#00ff80"});
    EXPECT_EQ(paint.status, 0) << paint.err;
    const auto show = ctl_.Run({"userlight", "show", "2", "--json"});
    // Colours are stored as 0x00BBGGRR.
    EXPECT_TRUE(Contains(show.out,
                         "\"key_code\": 41, \"key_label\": \"Esc\", \"key_rgb\": 255, "
                         "\"colour\": \"#FF0000\""))
        << show.out;
    EXPECT_TRUE(Contains(show.out,
                         "\"key_code\": 44, \"key_label\": \"Space\", \"key_rgb\": "
                         "8453888, \"colour\": \"#00FF80\""))
        << show.out;

    EXPECT_EQ(ctl_.Run({"userlight", "save-slot", "2", "3"}).status, 0);
    EXPECT_TRUE(Contains(ctl_.Run({"userlight", "list", "--json"}).out,
                         "\"light_id\": 2, \"name\": \"Sunset\", \"slots\": [3]"));

    EXPECT_EQ(ctl_.Run({"userlight", "clear", "2", "Q=#0000FF"}).status, 0);
    const auto cleared = ctl_.Run({"userlight", "show", "2"});
    EXPECT_FALSE(Contains(cleared.out, "Esc")) << cleared.out;
    EXPECT_TRUE(Contains(cleared.out, "#0000FF")) << cleared.out;

    EXPECT_EQ(ctl_.Run({"userlight", "delete", "1"}).status, 0);
    const auto last = ctl_.Run({"userlight", "delete", "2"});
    EXPECT_EQ(last.status, 4);
    EXPECT_EQ(last.out, "Need to keep a light effect\n");
}

TEST_F(CtlStore, MacroAddShowAttachDelete) {
    const auto add =
        ctl_.Run({"macro", "add", "Greet", "--times", "3", "--delay", "250", "down:shift", "down:h",
                  "up:h", "up:shift", "delay:40", "mdown:left", "mup:left", "--json"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_TRUE(Contains(add.out,
                         "\"macro_id\": 1, \"name\": \"Greet\", \"play_times\": 3, "
                         "\"delay_type\": 1, \"delay_time\": 250, \"events\": 7"))
        << add.out;

    const auto show = ctl_.Run({"macro", "show", "1"});
    EXPECT_TRUE(Contains(show.out, "1  Keyboard Down (Shift)")) << show.out;
    EXPECT_TRUE(Contains(show.out, "5  Delay (40)")) << show.out;
    EXPECT_TRUE(Contains(show.out, "6  Mouse Down (mouse_left)")) << show.out;

    EXPECT_EQ(ctl_.Run({"key", "F5", "macro:1"}).status, 0);
    EXPECT_TRUE(Contains(ctl_.Run({"keys", "--json"}).out,
                         "\"key_code\": 62, \"key_label\": \"F5\", \"macro_type\": 602, "
                         "\"macro_type_name\": \"Macro\", \"macro_value\": 1"));
    EXPECT_EQ(ctl_.Run({"key", "F6", "macro:9"}).status, 1);

    EXPECT_EQ(ctl_.Run({"macro", "delete", "1"}).status, 0);
    EXPECT_TRUE(Contains(ctl_.Run({"macro", "list", "--json"}).out, "\"macros\": []"));
    EXPECT_EQ(ctl_.Run({"macro", "delete", "1"}).status, 1);
}

TEST_F(CtlStore, ProfileExportImportRoundTrip) {
    ASSERT_EQ(ctl_.Run({"key", "Q", "media:play-pause"}).status, 0);
    const auto exported = ctl_.Run({"export-profile", ctl_.Home().string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string path = exported.out.substr(0, exported.out.size() - 1);
    EXPECT_TRUE(Contains(path, "Profile A-")) << path;
    ASSERT_TRUE(std::filesystem::exists(path));

    ASSERT_EQ(ctl_.Run({"key", "Q", "default"}).status, 0);
    const auto imported = ctl_.Run({"import-profile", path, "--json"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(Contains(imported.out, "\"items\": 1")) << imported.out;
    EXPECT_TRUE(Contains(ctl_.Run({"keys", "--json"}).out,
                         "\"key_code\": 20, \"key_label\": \"Q\", \"macro_type\": 601, "
                         "\"macro_type_name\": \"MultimediaCommand\", \"macro_value\": 630"));
}

TEST_F(CtlStore, LightExportImportRoundTrip) {
    ASSERT_EQ(ctl_.Run({"userlight", "paint", "1", "W=#102030"}).status, 0);
    const auto exported = ctl_.Run({"export-light", "1", ctl_.Home().string(), "--json"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const size_t at = exported.out.find("\"path\": \"") + 9;
    const std::string path = exported.out.substr(at, exported.out.find('"', at) - at);
    const auto imported = ctl_.Run({"import-light", path, "--json"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_TRUE(Contains(imported.out, "\"light_id\": 2, \"name\": \"Light 1\"")) << imported.out;
    EXPECT_TRUE(Contains(ctl_.Run({"userlight", "show", "2"}).out, "#102030"));
}

// Every malformed file of the test data leaves the settings as they were and fails.
class CtlMalformedFile : public ::testing::TestWithParam<std::string> {};

TEST_P(CtlMalformedFile, ChangesNothing) {
    CtlRunner ctl;
    ctl.SetEnv("VEKORA_HID_SIM", (ctl.Home() / "nobody.sock").string());
    const std::string file = std::string(VEKORA_TEST_DATA_DIR) + "/malformed/" + GetParam();
    const auto before = ctl.Run({"keys", "--json"}).out;
    const auto profile = ctl.Run({"import-profile", file});
    EXPECT_NE(profile.status, 0);
    EXPECT_FALSE(profile.err.empty());
    const auto light = ctl.Run({"import-light", file});
    EXPECT_EQ(light.status, 1);
    EXPECT_TRUE(Contains(light.err, "nothing was imported")) << light.err;
    EXPECT_EQ(ctl.Run({"keys", "--json"}).out, before);
    EXPECT_TRUE(Contains(ctl.Run({"userlight", "list", "--json"}).out,
                         "\"user_lights\": [{\"light_id\": 1,"));
    EXPECT_FALSE(Contains(ctl.Run({"userlight", "list", "--json"}).out, "\"light_id\": 2"));
}

std::string FileCaseName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name;
    for (char c : info.param.substr(0, info.param.find('.'))) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, CtlMalformedFile,
                         ::testing::Values("wrong-root.xml", "binary.xml", "control-character.xml",
                                           "duplicate-attribute.xml", "empty.xml", "non-utf8.xml",
                                           "truncated-light.xml", "truncated-profile.xml",
                                           "two-roots.xml", "unclosed-root-tag.xml",
                                           "undefined-entity.xml"),
                         FileCaseName);

TEST_F(CtlStore, TwoProcessesAtOnceBothLand) {
    // Each waits for the other's lock; neither edit is lost.
    std::vector<pid_t> pids;
    const char* keys[] = {"A", "B", "C", "D"};
    for (const char* key : keys) {
        pids.push_back(ctl_.Start({"key", key, "disable"}));
    }
    for (pid_t pid : pids) {
        EXPECT_EQ(ctl_.Wait(pid).status, 0);
    }
    const auto list = ctl_.Run({"keys", "--json"}).out;
    for (int code : {4, 5, 6, 7}) {
        EXPECT_TRUE(Contains(list, "\"key_code\": " + std::to_string(code) + ",")) << list;
    }
}

TEST_F(CtlStore, LanguageAndAutorun) {
    EXPECT_EQ(ctl_.Run({"language", "2052"}).status, 0);
    EXPECT_EQ(ctl_.Run({"key", "A", "disable"}).out, "设置成功!\n");
    EXPECT_EQ(ctl_.Run({"language", "1033"}).status, 0);
    EXPECT_EQ(ctl_.Run({"language", "1041"}).status, 2);

    EXPECT_TRUE(Contains(ctl_.Run({"autorun", "on", "--json"}).out, "\"autorun\": true"));
    EXPECT_TRUE(std::filesystem::exists(ctl_.Home() / "config" / "autostart" /
                                        "vekora-control-hub.desktop"));
    EXPECT_TRUE(Contains(ctl_.Run({"autorun", "off", "--json"}).out, "\"autorun\": false"));
}

}  // namespace
}  // namespace vekora
