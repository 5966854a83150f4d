#include "store/SqliteConnection.h"

#include <sqlite3.h>

#include "src/util/Failure.h"
#include "store/SqliteFailure.h"

namespace pwk {

namespace {

// How long a write waits for another program that holds the file before giving up.
constexpr int BusyTimeoutMilliseconds = 3000;

}  // namespace

SqliteConnection::SqliteConnection(std::string path, Open how) : path_(std::move(path)) {
    const int flags = how == Open::ReadingOnly ? SQLITE_OPEN_READONLY
                      : how == Open::Create    ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                               : SQLITE_OPEN_READWRITE;
    const int rc = sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        try {
            Fail(rc, "opening it");
        } catch (...) {
            Close();
            throw;
        }
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, BusyTimeoutMilliseconds);
}

SqliteConnection::~SqliteConnection() {
    Close();
}

void SqliteConnection::Close() noexcept {
    for (auto& [sql, statement] : statements_) {
        sqlite3_finalize(statement);
    }
    statements_.clear();
    sqlite3_close_v2(db_);  // accepts a null handle
    db_ = nullptr;
}

void SqliteConnection::Execute(const char* sql, const char* doing) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        Fail(rc, doing != nullptr ? doing : "running \"" + std::string(sql) + "\"");
    }
}

void SqliteConnection::Run(const std::string& sql, const char* doing) {
    sqlite3_stmt* statement = Cached(sql.c_str());
    const int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        Fail(rc, doing != nullptr ? doing : "running \"" + sql + "\"");
    }
}

SqliteStatement SqliteConnection::Prepare(const char* sql) {
    return SqliteStatement(path_, Cached(sql));
}

sqlite3_stmt* SqliteConnection::Cached(const char* sql) {
    auto found = statements_.find(sql);
    if (found == statements_.end()) {
        sqlite3_stmt* statement = nullptr;
        const int rc =
            sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
        if (rc != SQLITE_OK) {
            Fail(rc, "preparing a query");
        }
        found = statements_.emplace(sql, statement).first;
    }
    return found->second;
}

long long SqliteConnection::TotalChanges() const {
    return sqlite3_total_changes64(db_);
}

bool SqliteConnection::InTransaction() const {
    return sqlite3_get_autocommit(db_) == 0;
}

bool SqliteConnection::ReadOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

void SqliteConnection::Fail(int rc, const std::string& doing) const {
    RaiseSqliteFailure(db_, path_, rc, doing);
}

void SqliteConnection::FailContent(const std::string& problem) const {
    throw Failure(FailureNumber::PathFileAccessError,
                  DescriptionOf(FailureNumber::PathFileAccessError) + ": the settings file \"" +
                      path_ + "\" " + problem + "; the file was left as it is",
                  "SqliteSettingsStore");
}

}  // namespace pwk
