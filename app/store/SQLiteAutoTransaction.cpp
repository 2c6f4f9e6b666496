#include "store/SQLiteAutoTransaction.h"

#include "store/SQLiteDB.h"

namespace vekora {

SQLiteAutoTransaction::SQLiteAutoTransaction(SQLiteDB* db) : db_(db) {
    if (db_ == nullptr)
        return;
    if (db_->IsOpen())
        db_->Exec("BEGIN");
    active_ = true;
}

SQLiteAutoTransaction::~SQLiteAutoTransaction() {
    if (!active_ || db_ == nullptr)
        return;
    if (db_->IsOpen())
        db_->Exec("END");
    active_ = false;
}

bool SQLiteAutoTransaction::Begin() {
    if (db_ == nullptr || active_)
        return false;
    if (!db_->IsOpen()) {
        active_ = true;
        return false;
    }
    const int rc = db_->Exec("BEGIN");
    active_ = true;
    return rc == 0;
}

bool SQLiteAutoTransaction::Commit() {
    if (db_ == nullptr)
        return false;
    if (!db_->IsOpen()) {
        active_ = false;
        return false;
    }
    const int rc = db_->Exec("END");
    active_ = false;
    return rc == 0;
}

bool SQLiteAutoTransaction::Rollback() {
    if (db_ == nullptr)
        return false;
    if (!db_->IsOpen()) {
        active_ = false;
        return false;
    }
    const int rc = db_->Exec("ROLLBACK");
    active_ = false;
    return rc == 0;
}

}  // namespace vekora
