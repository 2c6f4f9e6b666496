// ConfigDatabase: macros and their recorded events.
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

// The macro columns in table order: macro_id, play_times, delay_type, delay_time, name.
MacroDefinition ReadMacro(const SQLiteStatement& statement) {
    return MacroDefinition{statement.ColumnInt(0), ColumnWide(statement, 4), statement.ColumnInt(1),
                           statement.ColumnInt(2), statement.ColumnInt(3)};
}

}  // namespace

int ConfigDatabase::InsertMacro(const MacroDefinition& d) {
    std::lock_guard lock(mutex_);
    const std::string name = WideToUtf8(d.name);
    return RunInsert(db_, sql::kInsertMacro, {d.play_times, d.delay_type, d.delay_time, name});
}

bool ConfigDatabase::RenameMacro(int macro_id, std::wstring_view name) {
    std::lock_guard lock(mutex_);
    const std::string utf8 = WideToUtf8(name);
    return RunChange(db_, sql::kRenameMacro, {utf8, macro_id});
}

bool ConfigDatabase::UpdateMacroOptions(const MacroDefinition& d) {
    std::lock_guard lock(mutex_);
    return RunChange(db_, sql::kUpdateMacroOptions,
                     {d.play_times, d.delay_type, d.delay_time, d.macro_id});
}

bool ConfigDatabase::DeleteMacro(int macro_id) {
    std::lock_guard lock(mutex_);
    // Together, so that a macro never disappears while its events stay behind.
    SQLiteAutoTransaction transaction(&db_);
    const bool ok = RunChange(db_, sql::kDeleteMacro, {macro_id}) &&
                    RunChange(db_, sql::kDeleteMacroEvents, {macro_id});
    if (ok && transaction.Commit())
        return true;
    transaction.Rollback();
    return false;
}

bool ConfigDatabase::GetMacro(int macro_id, MacroDefinition& definition) {
    std::lock_guard lock(mutex_);
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectMacro, {macro_id}) != 0)
        return false;
    if (statement.Step() != SQLITE_ROW)
        return false;
    definition = ReadMacro(statement);
    return true;
}

int ConfigDatabase::LoadMacros(std::vector<MacroDefinition>& list) {
    std::lock_guard lock(mutex_);
    list.clear();
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectMacros, {}) != 0)
        return 0;
    while (statement.Step() == SQLITE_ROW)
        list.push_back(ReadMacro(statement));
    return static_cast<int>(list.size());
}

int ConfigDatabase::AddMacroEvent(const MacroEvent& e) {
    std::lock_guard lock(mutex_);
    const std::string desc = WideToUtf8(e.desc);
    return RunInsert(db_, sql::kInsertMacroEvent,
                     {e.macro_id, e.type, e.record_index, desc, e.value});
}

int ConfigDatabase::LoadMacroEvents(int macro_id, std::vector<MacroEvent>& list) {
    std::lock_guard lock(mutex_);
    list.clear();
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kSelectMacroEvents, {macro_id}) != 0)
        return 0;
    // Table order: record_id, macro_id, type, record_index, desc, value.
    while (statement.Step() == SQLITE_ROW) {
        list.push_back(MacroEvent{statement.ColumnInt(0), statement.ColumnInt(1),
                                  statement.ColumnInt(2), statement.ColumnInt(3),
                                  statement.ColumnInt(5), ColumnWide(statement, 4)});
    }
    return static_cast<int>(list.size());
}

bool ConfigDatabase::DeleteMacroEvents(int macro_id) {
    std::lock_guard lock(mutex_);
    return RunChange(db_, sql::kDeleteMacroEvents, {macro_id});
}

int ConfigDatabase::CountMacroEvents() {
    std::lock_guard lock(mutex_);
    SQLiteStatement statement;
    if (PrepareWith(db_, statement, sql::kCountMacroEvents, {}) != 0)
        return 0;
    return statement.Step() == SQLITE_ROW ? statement.ColumnInt(0) : 0;
}

}  // namespace vekora
