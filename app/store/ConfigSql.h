// Every SQL text of the configuration database, in one place. These texts are part of the file
// format: the schema statements are stored verbatim in each file's sqlite_master (tabs and
// spaces included), so they must never be reformatted.
#pragma once

#include <array>

namespace vekora::sql {

// clang-format off

// The music table and its index also bring files from before the music visualizer up to date.
inline constexpr const char* kMusicLayerTable =
    "CREATE TABLE IF NOT EXISTS t_musiclayer_data(layer_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "\t\t\t\t\t\t\t\t   profile INTEGER, name TEXT, deviceindex INTEGER, foremode INTEGER, "
    "fore_amplitude INTEGER,\t\t\t\t\t\t\t\t   backmode INTEGER, backb_right INTEGER, sel INTEGER)";
inline constexpr const char* kMusicLayerIndex =
    "CREATE INDEX IF NOT EXISTS musiclayerindex ON t_musiclayer_data(layer_id)";

// Schema, in the order it is created: seven tables (plus the sqlite_sequence table that
// AUTOINCREMENT brings) and six indexes.
inline constexpr std::array<const char*, 13> kSchema = {
    "CREATE TABLE IF NOT EXISTS t_configdata(config_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "\t\t\t\t\t\t\t\t  profile INTEGER, key TEXT, value TEXT)",
    "CREATE TABLE IF NOT EXISTS t_userlight_data(light_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "\t\t\t\t\t\t\t\t  profile INTEGER, name TEXT, speed INTEGER, brightness INTEGER)",
    "CREATE INDEX IF NOT EXISTS userlightindex ON t_userlight_data(light_id)",
    "CREATE TABLE IF NOT EXISTS t_key_rgb_data(rgb_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "\t\t\t\t\t\t\t\t   profile INTEGER, light INTEGER, key_code INTEGER, key_rgb INTEGER)",
    "CREATE INDEX IF NOT EXISTS rgbindex ON t_key_rgb_data(rgb_id)",
    "CREATE TABLE IF NOT EXISTS t_key_macro_data(key_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "\t\t\t\t\t\t\t\t  profile INTEGER, key_code INTEGER, macro_type INTEGER, "
    "\t\t\t\t\t\t\t\t  macro_value INTEGER, macro_value2 INTEGER, macro_value3 INTEGER, "
    "macro_desc TEXT)",
    "CREATE INDEX IF NOT EXISTS keyindex ON t_key_macro_data(key_id)",
    "CREATE TABLE IF NOT EXISTS t_macro_data(macro_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "\t\t\t\t\t\t\t\t  play_times INTEGER, delay_type INTEGER, delay_time INTEGER, name TEXT)",
    "CREATE INDEX IF NOT EXISTS macroidindex ON t_macro_data(macro_id)",
    "CREATE TABLE IF NOT EXISTS t_macrorecord(record_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "\t\t\t\t\t\t\t\t  macro_id INTEGER, type INTEGER, record_index INTEGER, desc TEXT, "
    "value INTEGER)",
    "CREATE INDEX IF NOT EXISTS macrorecordindex ON t_macrorecord(record_id)",
    kMusicLayerTable,
    kMusicLayerIndex,
};

// Configuration values.
inline constexpr const char* kInsertConfig =
    "INSERT INTO t_configdata(profile, key, value) VALUES (?, ?, ?);";
inline constexpr const char* kUpdateConfig =
    "UPDATE t_configdata SET value = ? WHERE profile = ? and key = ?";
inline constexpr const char* kSelectConfig =
    "SELECT value FROM t_configdata WHERE profile = ? and key = ?";

// User lights and their key colours.
inline constexpr const char* kInsertUserLight =
    "INSERT INTO t_userlight_data(profile, name, speed, brightness) VALUES (?, ?, ?, ?);";
inline constexpr const char* kRenameUserLight =
    "UPDATE t_userlight_data SET name = ? WHERE light_id = ?";
inline constexpr const char* kDeleteUserLight =
    "DELETE FROM t_userlight_data WHERE light_id = ?";
inline constexpr const char* kSelectUserLights = "SELECT * FROM t_userlight_data";
inline constexpr const char* kDeleteKeyColour =
    "DELETE FROM t_key_rgb_data WHERE light = ? and key_code = ?";
inline constexpr const char* kInsertKeyColour =
    "INSERT INTO t_key_rgb_data(profile, light, key_code, key_rgb) VALUES (?, ?, ?, ?);";
inline constexpr const char* kSelectKeyColours =
    "SELECT * FROM t_key_rgb_data WHERE profile = ? AND light = ?";

// Key assignments and profile resets.
inline constexpr const char* kDeleteKeyAssignment =
    "DELETE FROM t_key_macro_data WHERE profile = ? and key_code = ?";
inline constexpr const char* kInsertKeyAssignment =
    "INSERT INTO t_key_macro_data(profile, key_code, macro_type, macro_value, macro_value2, "
    "macro_value3, macro_desc) \t\t\t\t\t VALUES (?, ?, ?, ?, ?, ?, ?);";
inline constexpr const char* kSelectKeyAssignments =
    "SELECT * FROM t_key_macro_data WHERE profile = ?";
inline constexpr const char* kDeleteProfileKeys = "DELETE FROM t_key_macro_data WHERE profile = ?";
inline constexpr const char* kClearProfileColours =
    "UPDATE t_key_rgb_data SET key_rgb = ? WHERE profile = ?";
inline constexpr std::array<const char*, 5> kClearAll = {
    "DELETE FROM t_key_macro_data", "DELETE FROM t_macro_data", "DELETE FROM t_macrorecord",
    "DELETE FROM t_userlight_data", "DELETE FROM sqlite_sequence",
};

// Macros and their events.
inline constexpr const char* kInsertMacro =
    "INSERT INTO t_macro_data(play_times, delay_type, delay_time, name) VALUES (?, ?, ?, ?);";
inline constexpr const char* kRenameMacro = "UPDATE t_macro_data SET name = ? WHERE macro_id = ?";
inline constexpr const char* kUpdateMacroOptions =
    "UPDATE t_macro_data SET play_times = ?, delay_type = ?, \t\t\t\t\t delay_time = ? "
    "WHERE macro_id = ?";
inline constexpr const char* kDeleteMacro = "DELETE FROM t_macro_data WHERE macro_id = ?";
inline constexpr const char* kSelectMacro = "SELECT * FROM t_macro_data WHERE macro_id = ?";
inline constexpr const char* kSelectMacros = "SELECT * FROM t_macro_data";
inline constexpr const char* kInsertMacroEvent =
    "INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value) \t\t\t\t\t "
    "VALUES (?, ?, ?, ?, ?);";
inline constexpr const char* kSelectMacroEvents =
    "SELECT * FROM t_macrorecord WHERE macro_id = ? ORDER BY record_index ASC";
inline constexpr const char* kDeleteMacroEvents = "DELETE FROM t_macrorecord WHERE macro_id = ?";
inline constexpr const char* kCountMacroEvents = "select count(*) FROM t_macrorecord";

// Music visualizer presets.
inline constexpr const char* kInsertMusicLayer =
    "INSERT INTO t_musiclayer_data(profile, name, deviceindex, foremode, fore_amplitude, "
    "backmode, backb_right, sel) \t\t\t\t\t\t\t\t\t\t\t\t\tVALUES (?, ?, ?, ?, ?, ?, ?, ?);";
inline constexpr const char* kDeleteMusicLayer =
    "DELETE FROM t_musiclayer_data WHERE layer_id = ?";
inline constexpr const char* kRenameMusicLayer =
    "UPDATE t_musiclayer_data SET name = ? WHERE layer_id = ?";
inline constexpr const char* kSelectMusicLayers =
    "SELECT * FROM t_musiclayer_data WHERE profile = ?";
inline constexpr const char* kSelectMusicLayer =
    "SELECT * FROM t_musiclayer_data WHERE layer_id = ?";
inline constexpr const char* kUpdateMusicLayer =
    "UPDATE t_musiclayer_data SET deviceindex= ?, foremode= ?, fore_amplitude = ?, backmode= ?, "
    "backb_right= ? WHERE layer_id = ?";
inline constexpr const char* kClearMusicSelection =
    "UPDATE t_musiclayer_data SET sel = ? WHERE profile = ?";
inline constexpr const char* kSelectMusicLayerRow =
    "UPDATE t_musiclayer_data SET sel = ? WHERE profile = ? AND layer_id = ?";
inline constexpr const char* kSelectedMusicLayer =
    "SELECT layer_id FROM t_musiclayer_data WHERE profile = ? AND sel = ?";

// clang-format on

}  // namespace vekora::sql
