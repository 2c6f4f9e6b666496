// Small helpers shared by the ConfigDatabase query files: prepare-and-bind in one call, the
// success rule for a step, and reading text columns as wide strings. The caller holds the
// ConfigDatabase mutex.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"

namespace vekora::detail {

// One bound value. Text is bound without copying: the bytes must outlive the statement.
struct SqlArg {
    SqlArg(int value) : number(value) {}
    SqlArg(std::string_view value) : isText(true), text(value) {}
    SqlArg(const std::string& value) : isText(true), text(value) {}
    SqlArg(const char* value) : isText(true), text(value) {}

    bool isText = false;
    int number = 0;
    std::string_view text;
};

// Statements count as successful when their step gives SQLITE_OK, SQLITE_ROW or SQLITE_DONE.
inline bool StepSucceeded(int rc) {
    return rc == 0 || rc == 100 || rc == 101;
}

// Prepares `sql` on `statement` and binds `args` to parameters 1, 2, ... 0 when all of that
// worked, else the first failing result code.
int PrepareWith(SQLiteDB& db, SQLiteStatement& statement, const char* sql,
                std::initializer_list<SqlArg> args);

// Runs one change statement; true when it was prepared, bound and stepped successfully.
bool RunChange(SQLiteDB& db, const char* sql, std::initializer_list<SqlArg> args);

// Runs one INSERT; the new row id (low 32 bits), or -1.
int RunInsert(SQLiteDB& db, const char* sql, std::initializer_list<SqlArg> args);

// A text column as a wide string; NULL reads as empty.
std::wstring ColumnWide(const SQLiteStatement& statement, int column);

}  // namespace vekora::detail
