// The queries of the configuration database on a freshly created file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RawSqlite.h"
#include "TempDir.h"
#include "store/ConfigDatabase.h"

namespace vekora {
namespace {

namespace fs = std::filesystem;
using testing::RawQuery;
using testing::RawScalar;

class ConfigDatabaseQuery : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "db");
        ASSERT_TRUE(db.OpenForModel(dir.path(), "vekora87k_rgb"));
        file = db.path();
    }
    std::string Scalar(const std::string& sql) const { return RawScalar(file, sql); }

    testing::TempDir dir;
    ConfigDatabase db;
    fs::path file;
};

// ----- Configuration values -----

TEST_F(ConfigDatabaseQuery, SetConfigChangesOnlyTheProfilesValue) {
    EXPECT_TRUE(db.SetConfig(4, "lightmode", "12"));
    std::string value;
    EXPECT_TRUE(db.GetConfig(4, "lightmode", value));
    EXPECT_EQ(value, "12");
    EXPECT_EQ(db.GetConfigInt(3, "lightmode"), 1);
}

TEST_F(ConfigDatabaseQuery, SetConfigForAnAbsentKeyAddsNoRow) {
    EXPECT_TRUE(db.SetConfig(1, "no_such_key", "5"));
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_configdata"), "35");
    std::string value = "stale";
    EXPECT_FALSE(db.GetConfig(1, "no_such_key", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_configdata"), "35");
}

TEST_F(ConfigDatabaseQuery, GetConfigWithoutTableAnswersZero) {
    RawQuery(file, "DROP TABLE t_configdata");
    std::string value;
    EXPECT_FALSE(db.GetConfig(1, "lightmode", value));
    EXPECT_EQ(value, "0");
}

TEST_F(ConfigDatabaseQuery, NumericConfigIsReadLeniently) {
    EXPECT_TRUE(db.SetConfig(1, "userlight", "17abc"));
    EXPECT_EQ(db.GetConfigInt(1, "userlight"), 17);
    EXPECT_TRUE(db.SetConfigInt(1, "userlight", -3));
    EXPECT_EQ(Scalar("SELECT value FROM t_configdata WHERE profile=1 AND key='userlight'"), "-3");
}

// ----- User lights and key colours -----

TEST_F(ConfigDatabaseQuery, UserLightsAreAddedRenamedAndDeleted) {
    const int a = db.AddUserLight(L"Sunset 日落");
    const int b = db.AddUserLight(L"");
    ASSERT_GT(a, 0);
    ASSERT_EQ(b, a + 1);
    EXPECT_TRUE(db.RenameUserLight(b, L"Ocean"));
    std::vector<UserLight> lights{UserLight{99, 9, L"old", 1, 1}};
    ASSERT_EQ(db.LoadUserLights(lights), 2);
    EXPECT_EQ(lights[0].light_id, a);
    EXPECT_EQ(lights[0].profile, 1);
    EXPECT_EQ(lights[0].name, L"Sunset 日落");
    EXPECT_EQ(lights[0].speed, 10);
    EXPECT_EQ(lights[0].brightness, 10);
    EXPECT_EQ(lights[1].name, L"Ocean");

    ASSERT_EQ(db.SaveKeyColours({KeyColour{0, 1, a, 4, 0x0000FF}}), 1);
    EXPECT_TRUE(db.DeleteUserLight(a));
    ASSERT_EQ(db.LoadUserLights(lights), 1);
    // The layout's colours stay behind.
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_rgb_data"), "1");
}

TEST_F(ConfigDatabaseQuery, KeyColoursReplaceEachKeyAndOmitBlackKeys) {
    const int light = db.AddUserLight(L"L");
    ASSERT_EQ(
        db.SaveKeyColours({KeyColour{0, 1, light, 4, 0x112233}, KeyColour{0, 1, light, 5, 0x445566},
                           KeyColour{0, 1, light, 6, 0x778899}}),
        1);
    ASSERT_EQ(
        db.SaveKeyColours({KeyColour{0, 1, light, 5, 0}, KeyColour{0, 1, light, 6, 0xABCDEF}}), 1);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_rgb_data"), "3");
    std::vector<KeyColour> colours;
    ASSERT_EQ(db.LoadKeyColours(light, colours), 2);
    EXPECT_EQ(colours[0].key_code, 4);
    EXPECT_EQ(colours[0].key_rgb, 0x112233);
    EXPECT_EQ(colours[0].light, light);
    EXPECT_EQ(colours[1].key_code, 6);
    EXPECT_EQ(colours[1].key_rgb, 0xABCDEF);
    EXPECT_EQ(db.LoadKeyColours(light + 1, colours), 0);
}

TEST_F(ConfigDatabaseQuery, FailingKeyColourRowLeavesTheWholeLayoutAsItWas) {
    const int light = db.AddUserLight(L"L");
    ASSERT_EQ(db.SaveKeyColours({KeyColour{0, 1, light, 4, 0x10}, KeyColour{0, 1, light, 7, 0x20}}),
              1);
    RawQuery(file,
             "CREATE TRIGGER refuse BEFORE INSERT ON t_key_rgb_data WHEN NEW.key_code = 7 "
             "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(db.SaveKeyColours({KeyColour{0, 1, light, 4, 0x30}, KeyColour{0, 1, light, 7, 0x40}}),
              0);
    std::vector<KeyColour> colours;
    ASSERT_EQ(db.LoadKeyColours(light, colours), 2);
    EXPECT_EQ(colours[0].key_rgb, 0x10);
    EXPECT_EQ(colours[1].key_rgb, 0x20);
}

// ----- Key assignments -----

TEST_F(ConfigDatabaseQuery, KeyAssignmentReplacesTheKeysRow) {
    const int first = db.SaveKeyAssignment(KeyAssignment{0, 2, 4, 1, 0x05, 0, 0, L"B"});
    ASSERT_GT(first, 0);
    const int second = db.SaveKeyAssignment(KeyAssignment{0, 2, 4, 3, 7, 2, 9, L"宏 1"});
    ASSERT_GT(second, first);
    std::vector<KeyAssignment> keys;
    ASSERT_EQ(db.LoadKeyAssignments(2, keys), 1);
    const KeyAssignment& k = keys[0];
    EXPECT_EQ(k.key_id, second);
    EXPECT_EQ(k.profile, 2);
    EXPECT_EQ(k.key_code, 4);
    EXPECT_EQ(k.macro_type, 3);
    EXPECT_EQ(k.macro_value, 7);
    EXPECT_EQ(k.macro_value2, 2);
    EXPECT_EQ(k.macro_value3, 9);
    EXPECT_EQ(k.macro_desc, L"宏 1");
    EXPECT_EQ(db.LoadKeyAssignments(1, keys), 0);
}

TEST_F(ConfigDatabaseQuery, KeyAssignmentWithKeyCodeZeroTouchesNothing) {
    ASSERT_GT(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, 5, 0, 0, L"B"}), 0);
    EXPECT_EQ(db.SaveKeyAssignment(KeyAssignment{0, 1, 0, 1, 5, 0, 0, L"x"}), 0);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_macro_data"), "1");
}

TEST_F(ConfigDatabaseQuery, KeyAssignmentWithBothValuesZeroOnlyDeletes) {
    ASSERT_GT(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, 5, 0, 0, L"B"}), 0);
    EXPECT_EQ(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, 0, 0, 3, L"default"}), 0);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_macro_data"), "0");
    // macro_value2 alone is enough to store a row.
    EXPECT_GT(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 2, 0, 1, 0, L"Ctrl"}), 0);
}

TEST_F(ConfigDatabaseQuery, FailedKeyAssignmentInsertKeepsTheOldRow) {
    ASSERT_GT(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, 5, 0, 0, L"old"}), 0);
    RawQuery(file,
             "CREATE TRIGGER refuse BEFORE INSERT ON t_key_macro_data "
             "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_EQ(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, 6, 0, 0, L"new"}), 0);
    std::vector<KeyAssignment> keys;
    ASSERT_EQ(db.LoadKeyAssignments(1, keys), 1);
    EXPECT_EQ(keys[0].macro_desc, L"old");
    EXPECT_EQ(keys[0].macro_value, 5);
}

TEST_F(ConfigDatabaseQuery, ClearProfileRemovesItsKeysAndColoursOnly) {
    const int light = db.AddUserLight(L"L");
    ASSERT_EQ(db.SaveKeyColours({KeyColour{0, 1, light, 4, 0x10}}), 1);
    ASSERT_GT(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, 5, 0, 0, L""}), 0);
    ASSERT_GT(db.SaveKeyAssignment(KeyAssignment{0, 2, 4, 1, 5, 0, 0, L""}), 0);
    EXPECT_TRUE(db.ClearProfile(2));
    std::vector<KeyColour> colours;
    EXPECT_EQ(db.LoadKeyColours(light, colours), 1);
    std::vector<KeyAssignment> keys;
    EXPECT_EQ(db.LoadKeyAssignments(1, keys), 1);
    EXPECT_EQ(db.LoadKeyAssignments(2, keys), 0);
    EXPECT_TRUE(db.ClearProfile(1));
    EXPECT_EQ(db.LoadKeyColours(light, colours), 0);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_rgb_data"), "1");
}

TEST_F(ConfigDatabaseQuery, ClearAllRestartsTheEmptiedIdsAndKeepsTheRest) {
    ASSERT_EQ(db.InsertMacro(MacroDefinition{0, L"a", 1, 0, 0}), 1);
    ASSERT_EQ(db.InsertMacro(MacroDefinition{0, L"b", 1, 0, 0}), 2);
    ASSERT_GT(db.AddMacroEvent(MacroEvent{0, 2, 1, 0, 65, L"A"}), 0);
    ASSERT_EQ(db.AddUserLight(L"L"), 1);
    ASSERT_EQ(db.SaveKeyColours({KeyColour{0, 1, 1, 4, 0x10}}), 1);
    const int layer = db.AddMusicLayer(L"M");
    ASSERT_EQ(layer, 1);
    ASSERT_GT(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 1, 5, 0, 0, L""}), 0);
    ASSERT_TRUE(db.SetConfig(1, "lightmode", "4"));

    EXPECT_TRUE(db.ClearAll());
    EXPECT_EQ(db.InsertMacro(MacroDefinition{0, L"again", 1, 0, 0}), 1);
    EXPECT_EQ(db.AddUserLight(L"again"), 1);
    EXPECT_EQ(db.CountMacroEvents(), 0);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_macro_data"), "0");
    // Kept: configuration values, key colours, music layers; their ids continue.
    EXPECT_EQ(db.GetConfigInt(1, "lightmode"), 4);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_rgb_data"), "1");
    EXPECT_EQ(db.AddMusicLayer(L"N"), 2);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_configdata"), "35");
}

// ----- Macros -----

TEST_F(ConfigDatabaseQuery, MacroDefinitionRoundTrip) {
    const int id = db.InsertMacro(MacroDefinition{0, L"Combo 连招", 3, 1, 250});
    ASSERT_EQ(id, 1);
    MacroDefinition m;
    ASSERT_TRUE(db.GetMacro(id, m));
    EXPECT_EQ(m.macro_id, id);
    EXPECT_EQ(m.name, L"Combo 连招");
    EXPECT_EQ(m.play_times, 3);
    EXPECT_EQ(m.delay_type, 1);
    EXPECT_EQ(m.delay_time, 250);

    EXPECT_TRUE(db.RenameMacro(id, L"Renamed"));
    EXPECT_TRUE(db.UpdateMacroOptions(MacroDefinition{id, L"ignored", 9, 2, 40}));
    ASSERT_TRUE(db.GetMacro(id, m));
    EXPECT_EQ(m.name, L"Renamed");
    EXPECT_EQ(m.play_times, 9);
    EXPECT_EQ(m.delay_type, 2);
    EXPECT_EQ(m.delay_time, 40);
    EXPECT_FALSE(db.GetMacro(id + 1, m));

    ASSERT_EQ(db.InsertMacro(MacroDefinition{0, L"second", 1, 0, 0}), 2);
    std::vector<MacroDefinition> macros;
    ASSERT_EQ(db.LoadMacros(macros), 2);
    EXPECT_EQ(macros[0].name, L"Renamed");
    EXPECT_EQ(macros[1].name, L"second");
}

TEST_F(ConfigDatabaseQuery, MacroEventsLoadInRecordOrder) {
    const int id = db.InsertMacro(MacroDefinition{0, L"m", 1, 0, 0});
    const int other = db.InsertMacro(MacroDefinition{0, L"o", 1, 0, 0});
    ASSERT_GT(db.AddMacroEvent(MacroEvent{0, id, 2, 2, 65, L"A up"}), 0);
    ASSERT_GT(db.AddMacroEvent(MacroEvent{0, id, 1, 0, 65, L"A down"}), 0);
    ASSERT_GT(db.AddMacroEvent(MacroEvent{0, id, 3, 1, 120, L"延时"}), 0);
    ASSERT_GT(db.AddMacroEvent(MacroEvent{0, other, 1, 0, 66, L"B"}), 0);
    std::vector<MacroEvent> events;
    ASSERT_EQ(db.LoadMacroEvents(id, events), 3);
    EXPECT_EQ(events[0].desc, L"A down");
    EXPECT_EQ(events[0].type, 1);
    EXPECT_EQ(events[0].value, 65);
    EXPECT_EQ(events[1].desc, L"延时");
    EXPECT_EQ(events[1].value, 120);
    EXPECT_EQ(events[1].record_index, 1);
    EXPECT_EQ(events[2].desc, L"A up");
    EXPECT_EQ(events[2].macro_id, id);
    EXPECT_EQ(db.CountMacroEvents(), 4);

    EXPECT_TRUE(db.DeleteMacroEvents(id));
    EXPECT_EQ(db.LoadMacroEvents(id, events), 0);
    EXPECT_EQ(db.CountMacroEvents(), 1);
}

TEST_F(ConfigDatabaseQuery, DeleteMacroRemovesItsEventsButNotKeyAssignments) {
    const int id = db.InsertMacro(MacroDefinition{0, L"m", 1, 0, 0});
    ASSERT_GT(db.AddMacroEvent(MacroEvent{0, id, 1, 0, 65, L"A"}), 0);
    ASSERT_GT(db.SaveKeyAssignment(KeyAssignment{0, 1, 4, 5, id, 1, 0, L"m"}), 0);
    EXPECT_TRUE(db.DeleteMacro(id));
    MacroDefinition m;
    EXPECT_FALSE(db.GetMacro(id, m));
    EXPECT_EQ(db.CountMacroEvents(), 0);
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_key_macro_data"), "1");
    // An id that does not exist deletes nothing and still succeeds.
    EXPECT_TRUE(db.DeleteMacro(4711));
}

// ----- Music layers -----

TEST_F(ConfigDatabaseQuery, NewMusicLayerHasTheDefaultOptions) {
    const int id = db.AddMusicLayer(L"Party");
    ASSERT_GT(id, 0);
    MusicLayer l;
    ASSERT_TRUE(db.GetMusicLayer(id, l));
    EXPECT_EQ(l.layer_id, id);
    EXPECT_EQ(l.profile, 1);
    EXPECT_EQ(l.name, L"Party");
    EXPECT_EQ(l.deviceindex, 0);
    EXPECT_EQ(l.foremode, 9);
    EXPECT_EQ(l.fore_amplitude, 60);
    EXPECT_EQ(l.backmode, 0);
    EXPECT_EQ(l.backb_right, 100);
    EXPECT_EQ(Scalar("SELECT sel FROM t_musiclayer_data"), "0");
}

TEST_F(ConfigDatabaseQuery, MusicLayersUpdateRenameLoadAndDelete) {
    const int a = db.AddMusicLayer(L"A");
    const int b = db.AddMusicLayer(L"B");
    EXPECT_TRUE(db.UpdateMusicLayer(b, MusicLayer{0, 0, L"", 2, 3, 80, 4, 50}));
    EXPECT_TRUE(db.RenameMusicLayer(b, L"律动"));
    MusicLayer l;
    ASSERT_TRUE(db.GetMusicLayer(b, l));
    EXPECT_EQ(l.name, L"律动");
    EXPECT_EQ(l.deviceindex, 2);
    EXPECT_EQ(l.foremode, 3);
    EXPECT_EQ(l.fore_amplitude, 80);
    EXPECT_EQ(l.backmode, 4);
    EXPECT_EQ(l.backb_right, 50);

    std::vector<MusicLayer> layers;
    ASSERT_EQ(db.LoadMusicLayers(layers), 2);
    EXPECT_EQ(layers[1].layer_id, b);
    EXPECT_EQ(layers[1].name, L"律动");
    EXPECT_EQ(layers[1].foremode, 0);  // the list carries only id, profile and name

    EXPECT_TRUE(db.DeleteMusicLayer(a));
    EXPECT_EQ(db.LoadMusicLayers(layers), 1);
    EXPECT_FALSE(db.GetMusicLayer(a, l));
}

TEST_F(ConfigDatabaseQuery, SelectMusicLayerMarksExactlyOne) {
    const int a = db.AddMusicLayer(L"A");
    const int b = db.AddMusicLayer(L"B");
    EXPECT_EQ(db.GetSelectedMusicLayer(), 0);
    EXPECT_TRUE(db.SelectMusicLayer(a));
    EXPECT_TRUE(db.SelectMusicLayer(b));
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_musiclayer_data WHERE sel = 1"), "1");
    EXPECT_EQ(db.GetSelectedMusicLayer(), b);
    // An id that does not exist leaves none selected.
    EXPECT_TRUE(db.SelectMusicLayer(b + 100));
    EXPECT_EQ(Scalar("SELECT count(*) FROM t_musiclayer_data WHERE sel = 1"), "0");
    EXPECT_EQ(db.GetSelectedMusicLayer(), 0);
}

}  // namespace
}  // namespace vekora
