// One prepared statement of a SQLiteDB connection. Every operation on a statement without a
// handle answers without calling SQLite (21 for the result codes, 0 or null for columns).
#pragma once

#include <cstdint>

struct sqlite3_stmt;

namespace vekora {

class SQLiteStatement {
public:
    SQLiteStatement() = default;
    // Finalizes the prepared text, if any.
    virtual ~SQLiteStatement();

    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;

    // 1-based parameter index.
    int BindInt(int index, std::int32_t value);
    // The bytes are not copied: the caller keeps them alive until the statement is finalized.
    int BindText(int index, const char* utf8, int byteLength);
    // 100 while rows come, 101 (which also sets done) when the statement has finished.
    int Step();
    // 0-based column.
    std::int32_t ColumnInt(int column) const;
    // UTF-8 text valid until the next step; null for NULL columns and without a handle.
    const char* ColumnText(int column) const;

    // 1 when no result row is pending.
    int done() const { return done_; }
    bool HasHandle() const { return stmt_ != nullptr; }

private:
    friend class SQLiteDB;

    // Finalizes the handle; on success clears it and sets done. Returns the finalize result.
    int Finalize();

    int done_ = 1;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace vekora
