// The per-model settings database: one SQLite file per keyboard model below the data folder
// ("db/<stem>_datav1.db"), created with its schema and default values on first use, plus one
// backup copy ("db/data_bak.db") made the first time any model's file is opened.
//
// Each owner (main window, macro editor, macro chooser) holds its own ConfigDatabase with its
// own connection to the same file; SQLite's file locking arbitrates between them. Every query
// runs under this object's mutex and judges a step result of 0, 100 or 101 as success.
// Failures are return values: false, -1 or 0, and loads return 0 records. Nothing is shown.
//
// Configuration values and key assignments are kept per profile 1..5; user lights, key colours
// and music layers are always stored with profile 1, so every profile shares them.
#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "device/DeviceModel.h"
#include "store/Records.h"
#include "store/SQLiteDB.h"

namespace vekora {

class ConfigDatabase {
public:
    ConfigDatabase() = default;
    ~ConfigDatabase() = default;

    ConfigDatabase(const ConfigDatabase&) = delete;
    ConfigDatabase& operator=(const ConfigDatabase&) = delete;

    // ----- Opening and closing -----

    // Opens (creating it with schema and defaults when absent) the file of the model whose
    // database stem is `stem` below `dataFolder`. An empty stem (a model without a database)
    // opens nothing and gives false. A file that exists but is not a usable database is left
    // untouched: the result is false and one diagnostic line goes to stderr.
    bool OpenForModel(const std::filesystem::path& dataFolder, std::string_view stem);
    // The same for a model's own file in the user's data folder, whose "db" folder is created
    // when missing.
    bool OpenForModel(DeviceModel model);
    // Opens the file and runs the schema and the default rows of profiles 1..5. True when every
    // schema statement succeeded. A connection already held gives true at once.
    bool CreateDatabase();
    // Adds the music table and its index to a file made before they existed (reopening the
    // current file). 2 (statements run) on success; 0 without a current file or on failure.
    int EnsureMusicLayerTable();
    // Closes the connection; `opened` becomes false.
    void Close();

    bool opened() const { return opened_; }
    // The UTF-8 path of the current database file ("" before the first open).
    const std::string& path() const { return path_; }

    // The file of a model, and the one backup shared by every model.
    static std::filesystem::path DatabaseFile(const std::filesystem::path& dataFolder,
                                              std::string_view stem);
    static std::filesystem::path BackupFile(const std::filesystem::path& dataFolder);

    // ----- Configuration values (per profile) -----

    // Changes an existing value; a key without a row stays absent. True when the update ran.
    bool SetConfig(int profile, std::string_view key, std::string_view value);
    // Reads a value: true and `value` on a row; false with an empty value when there is no row;
    // false with "0" when the query could not run at all (a row "0" is then attempted).
    bool GetConfig(int profile, std::string_view key, std::string& value);
    // Numeric forms: written with "%d", read leniently (missing or malformed → 0).
    bool SetConfigInt(int profile, std::string_view key, int value);
    int GetConfigInt(int profile, std::string_view key);

    // ----- User lights and key colours (shared by all profiles) -----

    // New light_id (speed and brightness 10), or -1.
    int AddUserLight(std::wstring_view name);
    bool RenameUserLight(int light_id, std::wstring_view name);
    // The layout's key colours stay.
    bool DeleteUserLight(int light_id);
    int LoadUserLights(std::vector<UserLight>& list);
    // Replaces each key's colour of its layout, all in one transaction: 1 when every row was
    // stored, 0 (nothing changed) otherwise.
    int SaveKeyColours(const std::vector<KeyColour>& rows);
    // The colours of one layout; keys whose colour is 0 are left out.
    int LoadKeyColours(int light, std::vector<KeyColour>& list);

    // ----- Key assignments (per profile) -----

    // Replaces the key's row in its profile; an assignment whose macro_value and macro_value2
    // are both 0 is stored as no row (the key's default function). New key_id, or 0 (also when
    // only the old row was removed). A key_code of 0 touches nothing. A failed insert keeps
    // the old row.
    int SaveKeyAssignment(const KeyAssignment& assignment);
    int LoadKeyAssignments(int profile, std::vector<KeyAssignment>& list);
    // Removes the profile's key assignments and clears the colours stored with it.
    bool ClearProfile(int profile);
    // Empties key assignments, macros, macro events and user lights, and restarts their ids.
    // Configuration values, key colours and music layers keep their rows.
    bool ClearAll();

    // ----- Macros -----

    // New macro_id, or -1.
    int InsertMacro(const MacroDefinition& definition);
    bool RenameMacro(int macro_id, std::wstring_view name);
    // Play options of definition.macro_id.
    bool UpdateMacroOptions(const MacroDefinition& definition);
    // Removes the macro and then its events. Key assignments referring to it stay.
    bool DeleteMacro(int macro_id);
    bool GetMacro(int macro_id, MacroDefinition& definition);
    int LoadMacros(std::vector<MacroDefinition>& list);
    // New record_id, or -1.
    int AddMacroEvent(const MacroEvent& event);
    // Ordered by record_index.
    int LoadMacroEvents(int macro_id, std::vector<MacroEvent>& list);
    bool DeleteMacroEvents(int macro_id);
    // Events of all macros together; 0 on failure.
    int CountMacroEvents();

    // ----- Music visualizer presets (shared by all profiles) -----

    // New layer_id with the default options, or -1.
    int AddMusicLayer(std::wstring_view name);
    bool DeleteMusicLayer(int layer_id);
    bool RenameMusicLayer(int layer_id, std::wstring_view name);
    // Only layer_id, profile and name are filled.
    int LoadMusicLayers(std::vector<MusicLayer>& list);
    bool GetMusicLayer(int layer_id, MusicLayer& layer);
    bool UpdateMusicLayer(int layer_id, const MusicLayer& layer);
    // Marks `layer_id` as the one selected preset (none when the id does not exist).
    bool SelectMusicLayer(int layer_id);
    // The selected layer_id, or 0.
    int GetSelectedMusicLayer();

private:
    // Opens an existing file and checks that it is a usable database; see OpenForModel.
    bool OpenExisting();
    bool CreateDatabaseLocked();
    // Schema and default rows in one transaction; true when every schema statement succeeded.
    bool FillNewFile();
    void CopyToBackupOnce(const std::filesystem::path& dataFolder);
    void InsertDefaultConfig(int profile);

    SQLiteDB db_;
    std::mutex mutex_;
    std::string path_;
    bool opened_ = false;
};

}  // namespace vekora
