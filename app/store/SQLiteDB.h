// A thin object face on the SQLite C interface: one connection. With SQLiteStatement and
// SQLiteAutoTransaction these are the only code that calls SQLite.
//
// Failures are SQLite result codes or false, never exceptions. A missing connection or a
// missing prepared statement is reported as SQLITE_MISUSE (21) at every step, so a query run
// against a closed database fails cleanly without touching SQLite.
#pragma once

#include <cstdint>

struct sqlite3;

namespace vekora {

class SQLiteStatement;

class SQLiteDB {
public:
    // The row callback of Exec, as sqlite3_exec calls it.
    using ExecCallback = int (*)(void* context, int columns, char** values, char** names);

    SQLiteDB() = default;
    // Interrupts whatever runs on the connection, then closes it.
    virtual ~SQLiteDB();

    SQLiteDB(const SQLiteDB&) = delete;
    SQLiteDB& operator=(const SQLiteDB&) = delete;

    // Closes (after interrupting) a connection already held, then opens `path` (UTF-8) with the
    // sqlite3_open_v2 flags. A null path gives false. A half-open handle is closed again.
    bool Open(const char* path, int flags);
    // True when nothing is held afterwards. A close refused by SQLite (statements still open)
    // keeps the handle so that a later Open or the destructor can try again.
    bool Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Finalizes the statement's previous text, then prepares `sql`. A negative length counts
    // the text's terminating zero. 21 without a connection or text.
    int Prepare(SQLiteStatement& statement, const char* sql, int length = -1);
    // sqlite3_exec without error-message output; 21 without a connection or text.
    int Exec(const char* sql, ExecCallback callback = nullptr, void* context = nullptr);
    // -1 without a connection. Callers keep the low 32 bits.
    std::int64_t LastInsertRowId() const;

    // How long a statement waits for another connection's lock before giving up with
    // SQLITE_BUSY. 21 without a connection.
    int SetBusyTimeout(int milliseconds);

    // The English text of a result code, for diagnostics.
    static const char* ResultText(int code);

private:
    sqlite3* db_ = nullptr;
};

}  // namespace vekora
