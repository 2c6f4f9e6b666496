#include "store/ConfigQuery.h"

#include "store/Utf8.h"

namespace vekora::detail {

int PrepareWith(SQLiteDB& db, SQLiteStatement& statement, const char* sql,
                std::initializer_list<SqlArg> args) {
    int rc = db.Prepare(statement, sql);
    if (rc != 0)
        return rc;
    int index = 1;
    for (const SqlArg& arg : args) {
        if (arg.isText) {
            // A null pointer would bind SQL NULL; an empty text stays an empty text.
            const char* bytes = arg.text.data() != nullptr ? arg.text.data() : "";
            rc = statement.BindText(index, bytes, static_cast<int>(arg.text.size()));
        } else {
            rc = statement.BindInt(index, arg.number);
        }
        if (rc != 0)
            return rc;
        ++index;
    }
    return 0;
}

bool RunChange(SQLiteDB& db, const char* sql, std::initializer_list<SqlArg> args) {
    SQLiteStatement statement;
    if (PrepareWith(db, statement, sql, args) != 0)
        return false;
    return StepSucceeded(statement.Step());
}

int RunInsert(SQLiteDB& db, const char* sql, std::initializer_list<SqlArg> args) {
    if (!RunChange(db, sql, args))
        return -1;
    return static_cast<int>(db.LastInsertRowId());
}

std::wstring ColumnWide(const SQLiteStatement& statement, int column) {
    const char* text = statement.ColumnText(column);
    return text != nullptr ? Utf8ToWide(text) : std::wstring{};
}

}  // namespace vekora::detail
