#pragma once

#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace pwk {

// One use of a prepared (cached) statement: binds parameters in order, steps through the
// rows, and resets the statement when the use ends so that the cache can hand it out again.
// A failure names the settings file `path`, which the connection that prepared the statement
// holds for longer than any use of it.
class SqliteStatement {
  public:
    SqliteStatement(const std::string& path, sqlite3_stmt* statement);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(const std::string& text);
    // Runs to the next row: true when there is one, false when the statement is done.
    bool Step();
    std::string Text(int column) const;
    // The column's text without a copy, valid until the next Step.
    std::string_view View(int column) const;

  private:
    const std::string& path_;
    sqlite3_stmt* statement_;
    int bound_ = 0;
};

}  // namespace pwk
