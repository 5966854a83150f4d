#include "store/SqliteStatement.h"

#include <sqlite3.h>

#include "store/SqliteFailure.h"

namespace pwk {

SqliteStatement::SqliteStatement(const std::string& path, sqlite3_stmt* statement)
    : path_(path), statement_(statement) {}

SqliteStatement::~SqliteStatement() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

SqliteStatement& SqliteStatement::Bind(const std::string& text) {
    ++bound_;
    const int rc = sqlite3_bind_text64(statement_, bound_, text.data(), text.size(),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK) {
        RaiseSqliteFailure(sqlite3_db_handle(statement_), path_, rc, "binding a value");
    }
    return *this;
}

bool SqliteStatement::Step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    RaiseSqliteFailure(sqlite3_db_handle(statement_), path_, rc, "running a query");
}

std::string SqliteStatement::Text(int column) const {
    return std::string(View(column));
}

std::string_view SqliteStatement::View(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return text == nullptr ? std::string_view()
                           : std::string_view(text, static_cast<std::size_t>(size));
}

}  // namespace pwk
