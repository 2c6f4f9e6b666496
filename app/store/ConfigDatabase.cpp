// ConfigDatabase: opening, creating and closing the per-model file, and the per-profile
// configuration values. The other queries live in ConfigDatabase<Area>.cpp.
#include "store/ConfigDatabase.h"

#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <system_error>

#include "device/ModelNames.h"
#include "store/ConfigQuery.h"
#include "store/ConfigSql.h"
#include "store/Folders.h"
#include "store/NumberText.h"
#include "store/SQLiteAutoTransaction.h"

namespace vekora {

using detail::RunChange;

namespace {

constexpr int kOpenExistingFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
constexpr int kOpenCreateFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;

// Several owners keep a connection to the same file; a writer waits this long for another
// connection's lock instead of losing its change at once.
constexpr int kBusyTimeoutMs = 3000;

struct DefaultConfig {
    const char* key;
    const char* value;
};

// Written for each profile 1..5 when a file is created, in this order.
constexpr std::array<DefaultConfig, 7> kDefaultConfig = {{
    {"version", "1.0.1"},
    {"lightmode", "1"},
    {"userlight", "0"},
    {"disable_gamemode", "0"},
    {"disable_win", "0"},
    {"disable_alttab", "0"},
    {"disable_altf4", "0"},
}};

constexpr int kProfileCount = 5;

void ReportUnusable(const std::string& path, const char* what, int rc) {
    std::fprintf(stderr,
                 "vekora: settings database \"%s\" %s (%s); it is left untouched and this "
                 "keyboard's settings are unavailable\n",
                 path.c_str(), what, SQLiteDB::ResultText(rc));
}

int CountFirstColumn(void* context, int columns, char** values, char** /*names*/) {
    if (columns > 0 && values[0] != nullptr)
        *static_cast<int*>(context) = ParseLenientInt(values[0]);
    return 0;
}

}  // namespace

std::filesystem::path ConfigDatabase::DatabaseFile(const std::filesystem::path& dataFolder,
                                                   std::string_view stem) {
    return dataFolder / "db" / (std::string(stem) + "_datav1.db");
}

std::filesystem::path ConfigDatabase::BackupFile(const std::filesystem::path& dataFolder) {
    return dataFolder / "db" / "data_bak.db";
}

bool ConfigDatabase::OpenForModel(const std::filesystem::path& dataFolder, std::string_view stem) {
    std::lock_guard lock(mutex_);
    if (stem.empty()) {
        // A model without a database: nothing may reach another model's file.
        db_.Close();
        path_.clear();
        opened_ = false;
        return false;
    }
    const std::filesystem::path file = DatabaseFile(dataFolder, stem);
    const std::string newPath = file.string();
    // A connection to another model's file must not serve this model's queries.
    if (db_.IsOpen() && newPath != path_)
        db_.Close();
    path_ = newPath;

    bool result = false;
    bool usable = true;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        result = db_.IsOpen() ? true : OpenExisting();
        usable = result;
    } else {
        result = CreateDatabaseLocked();
    }
    // A file that is not a database is not worth keeping as the one backup.
    if (usable)
        CopyToBackupOnce(dataFolder);
    opened_ = result;
    return result;
}

bool ConfigDatabase::OpenForModel(DeviceModel model) {
    const std::string_view stem = DatabaseStem(model);
    const std::filesystem::path data = DataFolder();
    // Without a data folder (no home directory) there is no file to open either.
    if (stem.empty() || data.empty())
        return OpenForModel(data, std::string_view{});
    CreateFolderPath(data / "db");
    return OpenForModel(data, stem);
}

bool ConfigDatabase::OpenExisting() {
    if (!db_.Open(path_.c_str(), kOpenExistingFlags)) {
        ReportUnusable(path_, "cannot be opened", SQLITE_CANTOPEN);
        return false;
    }
    db_.SetBusyTimeout(kBusyTimeoutMs);
    // SQLite reads the file only on first use: look at the schema now so that a damaged or
    // foreign file is reported once here instead of failing every query silently.
    int tables = -1;
    const int rc = db_.Exec("SELECT count(*) FROM sqlite_master", CountFirstColumn, &tables);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return true;  // another owner holds the file for a moment; the queries will wait
    if (rc != SQLITE_OK) {
        ReportUnusable(path_, "is not a usable database", rc);
        db_.Close();
        return false;
    }
    // A valid but empty database is what an interrupted first start leaves behind; it holds
    // no settings, so giving it its schema and defaults loses nothing.
    if (tables == 0)
        return FillNewFile();
    return true;
}

bool ConfigDatabase::CreateDatabase() {
    std::lock_guard lock(mutex_);
    return CreateDatabaseLocked();
}

bool ConfigDatabase::CreateDatabaseLocked() {
    if (db_.IsOpen())
        return true;
    if (path_.empty() || !db_.Open(path_.c_str(), kOpenCreateFlags)) {
        ReportUnusable(path_, "cannot be created", SQLITE_CANTOPEN);
        return false;
    }
    db_.SetBusyTimeout(kBusyTimeoutMs);
    return FillNewFile();
}

bool ConfigDatabase::FillNewFile() {
    // One transaction: the new file gets its schema and defaults in one write, and an
    // interruption leaves either all of it or an empty file that the next open completes.
    SQLiteAutoTransaction transaction(&db_);
    bool ok = true;
    for (const char* statement : sql::kSchema) {
        if (db_.Exec(statement) != SQLITE_OK)
            ok = false;
    }
    for (int profile = 1; profile <= kProfileCount; ++profile)
        InsertDefaultConfig(profile);
    return ok;
}

void ConfigDatabase::InsertDefaultConfig(int profile) {
    for (const DefaultConfig& entry : kDefaultConfig)
        RunChange(db_, sql::kInsertConfig, {profile, entry.key, entry.value});
}

void ConfigDatabase::CopyToBackupOnce(const std::filesystem::path& dataFolder) {
    const std::filesystem::path backup = BackupFile(dataFolder);
    std::error_code ec;
    if (std::filesystem::exists(backup, ec))
        return;
    // copy_options::none refuses to replace a backup that appeared meanwhile. A failed copy is
    // of no consequence: the backup is never read by the program.
    std::filesystem::copy_file(path_, backup, std::filesystem::copy_options::none, ec);
}

int ConfigDatabase::EnsureMusicLayerTable() {
    std::lock_guard lock(mutex_);
    if (path_.empty())
        return 0;
    if (opened_)
        db_.Close();
    opened_ = db_.Open(path_.c_str(), kOpenCreateFlags);
    if (!opened_)
        return 0;
    db_.SetBusyTimeout(kBusyTimeoutMs);
    const int tableRc = db_.Exec(sql::kMusicLayerTable);
    const int indexRc = db_.Exec(sql::kMusicLayerIndex);
    return tableRc == SQLITE_OK && indexRc == SQLITE_OK ? 2 : 0;
}

void ConfigDatabase::Close() {
    std::lock_guard lock(mutex_);
    db_.Close();
    opened_ = false;
}

bool ConfigDatabase::SetConfig(int profile, std::string_view key, std::string_view value) {
    std::lock_guard lock(mutex_);
    return RunChange(db_, sql::kUpdateConfig, {value, profile, key});
}

bool ConfigDatabase::GetConfig(int profile, std::string_view key, std::string& value) {
    std::lock_guard lock(mutex_);
    value.clear();
    SQLiteStatement statement;
    const int prepared = detail::PrepareWith(db_, statement, sql::kSelectConfig, {profile, key});
    const int rc = prepared == 0 ? statement.Step() : SQLITE_MISUSE;
    if (rc == SQLITE_ROW) {
        const char* text = statement.ColumnText(0);
        value = text != nullptr ? text : "";
        return true;
    }
    if (rc != SQLITE_DONE) {
        // The query could not run at all (no connection, no table, unreadable file): answer the
        // neutral "0" and try to give the key a row. Not while another owner merely holds the
        // file: the row may well exist, and a second one would only duplicate it.
        value = "0";
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            RunChange(db_, sql::kInsertConfig, {profile, key, "0"});
    }
    return false;
}

bool ConfigDatabase::SetConfigInt(int profile, std::string_view key, int value) {
    return SetConfig(profile, key, FormatInt(value));
}

int ConfigDatabase::GetConfigInt(int profile, std::string_view key) {
    std::string value;
    GetConfig(profile, key, value);
    return ParseLenientInt(value);
}

}  // namespace vekora
