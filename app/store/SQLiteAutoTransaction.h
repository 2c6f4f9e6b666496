// A scoped transaction on a SQLiteDB. An active transaction is ended (committed) when the
// scope is left; only an explicit Rollback undoes its changes.
#pragma once

namespace vekora {

class SQLiteDB;

class SQLiteAutoTransaction {
public:
    // Runs "BEGIN" when `db` holds a connection; the transaction is then active (also when there
    // was no connection to begin on). A null `db` makes an inert object.
    explicit SQLiteAutoTransaction(SQLiteDB* db);
    virtual ~SQLiteAutoTransaction();

    SQLiteAutoTransaction(const SQLiteAutoTransaction&) = delete;
    SQLiteAutoTransaction& operator=(const SQLiteAutoTransaction&) = delete;

    // False at once when inert or already active. Without a connection: becomes active and
    // returns false. Otherwise runs "BEGIN" and returns whether it succeeded.
    bool Begin();
    // Runs "END"; true when it succeeded. Inert or without a connection: false.
    bool Commit();
    // Runs "ROLLBACK" so that none of the transaction's changes stay; true when it succeeded.
    bool Rollback();

    bool active() const { return active_; }

private:
    SQLiteDB* db_ = nullptr;
    bool active_ = false;
};

}  // namespace vekora
