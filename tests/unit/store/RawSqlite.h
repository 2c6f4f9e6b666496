// Looks into a database file through the SQLite C interface directly, independent of the
// wrapper under test.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vekora::testing {

using Rows = std::vector<std::vector<std::string>>;

// Runs `sql` on its own read-write connection; every column as text ("<null>" for NULL).
inline Rows RawQuery(const std::filesystem::path& file, const std::string& sql) {
    Rows rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return rows;
    }
    sqlite3_exec(
        db, sql.c_str(),
        [](void* ctx, int n, char** values, char**) {
            std::vector<std::string> row;
            for (int i = 0; i < n; ++i)
                row.push_back(values[i] ? values[i] : "<null>");
            static_cast<Rows*>(ctx)->push_back(std::move(row));
            return 0;
        },
        &rows, nullptr);
    sqlite3_close(db);
    return rows;
}

inline std::string RawScalar(const std::filesystem::path& file, const std::string& sql) {
    Rows rows = RawQuery(file, sql);
    return rows.empty() || rows[0].empty() ? std::string("<none>") : rows[0][0];
}

}  // namespace vekora::testing
