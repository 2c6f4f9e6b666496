#include "store/SQLiteDB.h"

#include <sqlite3.h>

#include <cstring>

#include "store/SQLiteStatement.h"

namespace vekora {

SQLiteDB::~SQLiteDB() {
    if (db_ == nullptr)
        return;
    sqlite3_interrupt(db_);
    Close();
}

bool SQLiteDB::Open(const char* path, int flags) {
    if (db_ != nullptr) {
        sqlite3_interrupt(db_);
        // A connection SQLite refuses to close stays ours; never leak it by opening over it.
        if (!Close())
            return false;
    }
    if (path == nullptr)
        return false;
    if (sqlite3_open_v2(path, &db_, flags, nullptr) != SQLITE_OK) {
        // sqlite3_open_v2 hands out a handle even on failure; it must be closed.
        if (db_ != nullptr && sqlite3_close(db_) == SQLITE_OK)
            db_ = nullptr;
        return false;
    }
    return true;
}

bool SQLiteDB::Close() {
    if (db_ == nullptr)
        return true;
    if (sqlite3_close(db_) != SQLITE_OK)
        return false;
    db_ = nullptr;
    return true;
}

int SQLiteDB::Prepare(SQLiteStatement& statement, const char* sql, int length) {
    if (statement.stmt_ != nullptr)
        statement.Finalize();
    if (db_ == nullptr || sql == nullptr)
        return SQLITE_MISUSE;
    if (length < 0)
        length = static_cast<int>(std::strlen(sql)) + 1;
    return sqlite3_prepare_v2(db_, sql, length, &statement.stmt_, nullptr);
}

int SQLiteDB::Exec(const char* sql, ExecCallback callback, void* context) {
    if (db_ == nullptr || sql == nullptr)
        return SQLITE_MISUSE;
    return sqlite3_exec(db_, sql, callback, context, nullptr);
}

std::int64_t SQLiteDB::LastInsertRowId() const {
    if (db_ == nullptr)
        return -1;
    return sqlite3_last_insert_rowid(db_);
}

int SQLiteDB::SetBusyTimeout(int milliseconds) {
    if (db_ == nullptr)
        return SQLITE_MISUSE;
    return sqlite3_busy_timeout(db_, milliseconds);
}

const char* SQLiteDB::ResultText(int code) {
    return sqlite3_errstr(code);
}

}  // namespace vekora
