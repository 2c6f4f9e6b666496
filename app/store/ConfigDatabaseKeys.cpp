// ConfigDatabase: user lights, their key colours, key assignments and the profile resets.
#include <sqlite3.h>

#include "store/ConfigDatabase.h"
#include "store/ConfigQuery.h"
#include "store/ConfigSql.h"
#include "store/SQLiteAutoTransaction.h"
#include "store/Utf8.h"

namespace vekora {

using detail::ColumnWide;
using detail::PrepareWith;
using detail::RunChange;
using detail::RunInsert;

namespace {

// User lights and music layers are shared by all profiles and always stored with profile 1.
constexpr int kSharedProfile = 1;
constexpr int kNewLightSpeed = 10;
constexpr int kNewLightBrightness = 10;

// Ends a transaction whose statements all succeeded; anything else undoes all of it.
bool Finish(SQLiteAutoTransaction& transaction, bool ok) {
    if (ok && transaction.Commit())
        return true;
    transaction.Rollback();
    return false;
}

}  // namespace

int ConfigDatabase::AddUserLight(std::wstring_view name) {
    std::lock_guard lock(mutex_);
    const std::string utf8 = WideToUtf8(name);
    return RunInsert(db_, sql::kInsertUserLight,
                     {kSharedProfile, utf8, kNewLightSpeed, kNewLightBrightness});
}

bool ConfigDatabase::RenameUserLight(int light_id, std::wstring_view name) {
    std::lock_guard lock(mutex_);
    const std::string utf8 = WideToUtf8(name);
    return RunChange(db_, sql::kRenameUserLight, {utf8, light_id});
}

bool ConfigDatabase::DeleteUserLight(int light_id) {
    std::lock_guard lock(mutex_);
    return RunChange(db_, sql::kDeleteUserLight, {light_id});
}

int ConfigDatabase::LoadUserLights(std::vector<UserLight>& list) {
    std::lock_guard lock(mutex_);
    list.clear();
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectUserLights, {}) != 0)
        return 0;
    while (statement.Step() == SQLITE_ROW) {
        list.push_back(UserLight{statement.ColumnInt(0), statement.ColumnInt(1),
                                 ColumnWide(statement, 2), statement.ColumnInt(3),
                                 statement.ColumnInt(4)});
    }
    return static_cast<int>(list.size());
}

int ConfigDatabase::SaveKeyColours(const std::vector<KeyColour>& rows) {
    std::lock_guard lock(mutex_);
    if (rows.empty())
        return 1;
    // One transaction: a key never loses its colour to a failed insert, and a layout of a
    // hundred keys costs one write instead of two hundred.
    SQLiteAutoTransaction transaction(&db_);
    bool ok = db_.IsOpen();
    for (const KeyColour& row : rows) {
        if (!ok)
            break;
        ok = RunChange(db_, sql::kDeleteKeyColour, {row.light, row.key_code}) &&
             RunChange(db_, sql::kInsertKeyColour,
                       {row.profile, row.light, row.key_code, row.key_rgb});
    }
    return Finish(transaction, ok) ? 1 : 0;
}

int ConfigDatabase::LoadKeyColours(int light, std::vector<KeyColour>& list) {
    std::lock_guard lock(mutex_);
    list.clear();
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectKeyColours, {kSharedProfile, light}) != 0)
        return 0;
    while (statement.Step() == SQLITE_ROW) {
        const int rgb = statement.ColumnInt(4);
        if (rgb <= 0)
            continue;
        list.push_back(KeyColour{statement.ColumnInt(0), statement.ColumnInt(1),
                                 statement.ColumnInt(2), statement.ColumnInt(3), rgb});
    }
    return static_cast<int>(list.size());
}

int ConfigDatabase::SaveKeyAssignment(const KeyAssignment& a) {
    if (a.key_code == 0)
        return 0;
    std::lock_guard lock(mutex_);
    if (!db_.IsOpen())
        return 0;
    // Delete and insert form one change: when the insert fails the key keeps its old function
    // instead of silently falling back to the default.
    SQLiteAutoTransaction transaction(&db_);
    if (!RunChange(db_, sql::kDeleteKeyAssignment, {a.profile, a.key_code})) {
        Finish(transaction, false);
        return 0;
    }
    if (a.macro_value == 0 && a.macro_value2 == 0) {
        Finish(transaction, true);
        return 0;
    }
    const std::string desc = WideToUtf8(a.macro_desc);
    const int id = RunInsert(
        db_, sql::kInsertKeyAssignment,
        {a.profile, a.key_code, a.macro_type, a.macro_value, a.macro_value2, a.macro_value3, desc});
    if (!Finish(transaction, id > 0))
        return 0;
    return id;
}

int ConfigDatabase::LoadKeyAssignments(int profile, std::vector<KeyAssignment>& list) {
    std::lock_guard lock(mutex_);
    list.clear();
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectKeyAssignments, {profile}) != 0)
        return 0;
    while (statement.Step() == SQLITE_ROW) {
        list.push_back(KeyAssignment{statement.ColumnInt(0), statement.ColumnInt(1),
                                     statement.ColumnInt(2), statement.ColumnInt(3),
                                     statement.ColumnInt(4), statement.ColumnInt(5),
                                     statement.ColumnInt(6), ColumnWide(statement, 7)});
    }
    return static_cast<int>(list.size());
}

bool ConfigDatabase::ClearProfile(int profile) {
    std::lock_guard lock(mutex_);
    SQLiteAutoTransaction transaction(&db_);
    const bool ok = RunChange(db_, sql::kDeleteProfileKeys, {profile}) &&
                    RunChange(db_, sql::kClearProfileColours, {0, profile});
    return Finish(transaction, ok);
}

bool ConfigDatabase::ClearAll() {
    std::lock_guard lock(mutex_);
    // All or nothing: a reset that stops halfway would leave key assignments pointing at
    // macros that are gone.
    SQLiteAutoTransaction transaction(&db_);
    bool ok = db_.IsOpen();
    for (const char* statement : sql::kClearAll) {
        if (!ok)
            break;
        ok = RunChange(db_, statement, {});
    }
    return Finish(transaction, ok);
}

}  // namespace vekora
