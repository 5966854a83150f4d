#pragma once

#include <map>
#include <string>

#include "store/SqliteStatement.h"

struct sqlite3;
struct sqlite3_stmt;

namespace pwk {

// An open SQLite database file with a cache of prepared statements. Every failure becomes a
// Failure that names the file and says what went wrong, with the classic file-error number
// closest to the cause (70 permission denied or locked, 76 folder missing, 75 anything else).
class SqliteConnection {
  public:
    enum class Open {
        Existing,    // an existing file, for reading and writing where the file allows it
        Create,      // the same, made when it does not exist
        ReadingOnly  // an existing file, never written (nor its journal mode changed)
    };
    SqliteConnection(std::string path, Open how);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Runs `sql`, which may hold several statements; a failure says it happened while `doing`
    // (by default: running the SQL).
    void Execute(const char* sql, const char* doing = nullptr);
    // Runs the single statement `sql` from the statement cache: for the transaction control
    // that every batch repeats ("BEGIN IMMEDIATE", "SAVEPOINT ...", "COMMIT"), which Execute
    // would parse afresh each time.
    void Run(const std::string& sql, const char* doing = nullptr);
    SqliteStatement Prepare(const char* sql);
    SqliteStatement Prepare(const std::string& sql) { return Prepare(sql.c_str()); }
    // True while a transaction is open.
    bool InTransaction() const;
    // How many rows the connection's statements inserted, changed or deleted since it opened.
    long long TotalChanges() const;
    bool ReadOnly() const;
    const std::string& Path() const { return path_; }

    // Raises the failure for SQLite result `rc`; `doing` says when ("opening it").
    [[noreturn]] void Fail(int rc, const std::string& doing) const;
    // Raises a failure about the file's content (not a settings store, wrong version ...).
    [[noreturn]] void FailContent(const std::string& problem) const;

  private:
    void Close() noexcept;
    sqlite3_stmt* Cached(const char* sql);

    std::string path_;
    sqlite3* db_ = nullptr;
    std::map<std::string, sqlite3_stmt*> statements_;
};

}  // namespace pwk
