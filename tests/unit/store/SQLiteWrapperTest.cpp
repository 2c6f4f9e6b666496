#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "TempDir.h"
#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"

namespace vekora {
namespace {

constexpr int kMisuse = 21;
constexpr int kCreateFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;

class SQLiteWrapper : public ::testing::Test {
protected:
    std::string DbPath(const char* name = "w.db") const { return (dir.path() / name).string(); }
    testing::TempDir dir;
};

TEST_F(SQLiteWrapper, ClosedConnectionAnswersMisuseAtEveryStep) {
    SQLiteDB db;
    SQLiteStatement st;
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Prepare(st, "SELECT 1"), kMisuse);
    EXPECT_FALSE(st.HasHandle());
    EXPECT_EQ(st.BindInt(1, 5), kMisuse);
    EXPECT_EQ(st.BindText(1, "x", 1), kMisuse);
    EXPECT_EQ(st.Step(), kMisuse);
    EXPECT_EQ(st.ColumnInt(0), 0);
    EXPECT_EQ(st.ColumnText(0), nullptr);
    EXPECT_EQ(st.done(), 1);
    EXPECT_EQ(db.Exec("SELECT 1"), kMisuse);
    EXPECT_EQ(db.LastInsertRowId(), -1);
    EXPECT_TRUE(db.Close());
}

TEST_F(SQLiteWrapper, NullTextIsMisuse) {
    SQLiteDB db;
    ASSERT_TRUE(db.Open(DbPath().c_str(), kCreateFlags));
    SQLiteStatement st;
    EXPECT_EQ(db.Prepare(st, nullptr), kMisuse);
    EXPECT_EQ(db.Exec(nullptr), kMisuse);
}

TEST_F(SQLiteWrapper, OpenAgainClosesTheOldConnectionAndNullPathLeavesItClosed) {
    SQLiteDB db;
    ASSERT_TRUE(db.Open(DbPath("a.db").c_str(), kCreateFlags));
    ASSERT_EQ(db.Exec("CREATE TABLE t(x)"), 0);
    ASSERT_TRUE(db.Open(DbPath("b.db").c_str(), kCreateFlags));
    // The new connection sees b.db, which has no table t.
    EXPECT_NE(db.Exec("SELECT x FROM t"), 0);
    EXPECT_FALSE(db.Open(nullptr, kCreateFlags));
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(SQLiteWrapper, FailedOpenLeavesNoHandle) {
    SQLiteDB db;
    const std::string missing = (dir.path() / "no" / "such" / "x.db").string();
    EXPECT_FALSE(db.Open(missing.c_str(), kCreateFlags));
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(SQLiteWrapper, PrepareBindStepAndColumns) {
    SQLiteDB db;
    ASSERT_TRUE(db.Open(DbPath().c_str(), kCreateFlags));
    ASSERT_EQ(db.Exec("CREATE TABLE t(id INTEGER PRIMARY KEY AUTOINCREMENT, n INTEGER, s TEXT)"),
              0);
    SQLiteStatement st;
    ASSERT_EQ(db.Prepare(st, "INSERT INTO t(n, s) VALUES (?, ?)"), 0);
    const std::string text = "\xe6\xa8\xa1\xe5\xbc\x8f A";  // UTF-8 bytes of a Chinese text
    EXPECT_EQ(st.BindInt(1, -7), 0);
    EXPECT_EQ(st.BindText(2, text.data(), static_cast<int>(text.size())), 0);
    EXPECT_EQ(st.Step(), SQLITE_DONE);
    EXPECT_EQ(st.done(), 1);
    EXPECT_EQ(db.LastInsertRowId(), 1);

    // Prepare on the same object finalizes the previous text first.
    ASSERT_EQ(db.Prepare(st, "SELECT n, s FROM t"), 0);
    ASSERT_EQ(st.Step(), SQLITE_ROW);
    EXPECT_EQ(st.ColumnInt(0), -7);
    EXPECT_EQ(std::string(st.ColumnText(1)), text);
    EXPECT_EQ(st.Step(), SQLITE_DONE);
}

TEST_F(SQLiteWrapper, ExecCallsTheRowCallback) {
    SQLiteDB db;
    ASSERT_TRUE(db.Open(DbPath().c_str(), kCreateFlags));
    int rows = 0;
    auto count = [](void* ctx, int, char**, char**) {
        ++*static_cast<int*>(ctx);
        return 0;
    };
    EXPECT_EQ(db.Exec("SELECT 1 UNION ALL SELECT 2", count, &rows), 0);
    EXPECT_EQ(rows, 2);
}

TEST_F(SQLiteWrapper, TransactionWithoutConnectionIsActiveButIssuesNothing) {
    SQLiteDB db;
    {
        SQLiteAutoTransaction tx(&db);
        EXPECT_TRUE(tx.active());
        EXPECT_FALSE(tx.Begin());  // already active
        EXPECT_FALSE(tx.Commit());
        EXPECT_FALSE(tx.active());
    }
    SQLiteAutoTransaction inert(nullptr);
    EXPECT_FALSE(inert.active());
    EXPECT_FALSE(inert.Begin());
    EXPECT_FALSE(inert.Commit());
}

TEST_F(SQLiteWrapper, TransactionIssuesOneBeginAndEndsOnScopeExit) {
    SQLiteDB db;
    ASSERT_TRUE(db.Open(DbPath().c_str(), kCreateFlags));
    ASSERT_EQ(db.Exec("CREATE TABLE t(x)"), 0);
    {
        SQLiteAutoTransaction tx(&db);
        EXPECT_FALSE(tx.Begin());  // no second BEGIN: that would fail inside a transaction
        EXPECT_EQ(db.Exec("INSERT INTO t VALUES (1)"), 0);
    }
    // A second connection sees the row only once the transaction has ended.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(DbPath().c_str(), &raw), SQLITE_OK);
    int count = -1;
    sqlite3_exec(
        raw, "SELECT count(*) FROM t",
        [](void* c, int, char** v, char**) {
            *static_cast<int*>(c) = std::stoi(v[0]);
            return 0;
        },
        &count, nullptr);
    sqlite3_close(raw);
    EXPECT_EQ(count, 1);  // committed when the scope was left
}

TEST_F(SQLiteWrapper, RollbackUndoesTheTransaction) {
    SQLiteDB db;
    ASSERT_TRUE(db.Open(DbPath().c_str(), kCreateFlags));
    ASSERT_EQ(db.Exec("CREATE TABLE t(x)"), 0);
    {
        SQLiteAutoTransaction tx(&db);
        ASSERT_EQ(db.Exec("INSERT INTO t VALUES (1)"), 0);
        EXPECT_TRUE(tx.Rollback());
        EXPECT_FALSE(tx.active());
    }
    int count = -1;
    db.Exec(
        "SELECT count(*) FROM t",
        [](void* c, int, char** v, char**) {
            *static_cast<int*>(c) = std::stoi(v[0]);
            return 0;
        },
        &count);
    EXPECT_EQ(count, 0);
}

TEST_F(SQLiteWrapper, CommitEndsAndBeginStartsAgain) {
    SQLiteDB db;
    ASSERT_TRUE(db.Open(DbPath().c_str(), kCreateFlags));
    SQLiteAutoTransaction tx(&db);
    EXPECT_TRUE(tx.Commit());
    EXPECT_FALSE(tx.active());
    EXPECT_TRUE(tx.Begin());
    EXPECT_TRUE(tx.active());
    EXPECT_TRUE(tx.Commit());
}

}  // namespace
}  // namespace vekora
