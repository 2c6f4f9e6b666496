#include "store/SQLiteStatement.h"

#include <sqlite3.h>

namespace vekora {

SQLiteStatement::~SQLiteStatement() {
    Finalize();
}

int SQLiteStatement::Finalize() {
    if (stmt_ == nullptr)
        return SQLITE_OK;
    const int rc = sqlite3_finalize(stmt_);
    if (rc == SQLITE_OK) {
        stmt_ = nullptr;
        done_ = 1;
    }
    return rc;
}

int SQLiteStatement::BindInt(int index, std::int32_t value) {
    if (stmt_ == nullptr)
        return SQLITE_MISUSE;
    return sqlite3_bind_int(stmt_, index, value);
}

int SQLiteStatement::BindText(int index, const char* utf8, int byteLength) {
    if (stmt_ == nullptr)
        return SQLITE_MISUSE;
    return sqlite3_bind_text(stmt_, index, utf8, byteLength, SQLITE_STATIC);
}

int SQLiteStatement::Step() {
    if (stmt_ == nullptr)
        return SQLITE_MISUSE;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_DONE)
        done_ = 1;
    return rc;
}

std::int32_t SQLiteStatement::ColumnInt(int column) const {
    if (stmt_ == nullptr)
        return 0;
    return sqlite3_column_int(stmt_, column);
}

const char* SQLiteStatement::ColumnText(int column) const {
    if (stmt_ == nullptr)
        return nullptr;
    return reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
}

}  // namespace vekora
