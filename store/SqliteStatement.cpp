#include "store/SqliteStatement.h"

#include <sqlite3.h>

#include "store/SqliteConnection.h"

namespace pwk {

SqliteStatement::SqliteStatement(SqliteConnection& connection, sqlite3_stmt* statement)
    : connection_(connection), statement_(statement) {}

SqliteStatement::~SqliteStatement() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

SqliteStatement& SqliteStatement::Bind(const std::string& text) {
    ++bound_;
    const int rc = sqlite3_bind_text64(statement_, bound_, text.data(), text.size(),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK) {
        connection_.Fail(rc, "binding a value");
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
    connection_.Fail(rc, "running a query");
}

std::string SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return text == nullptr ? std::string() : std::string(text, static_cast<std::size_t>(size));
}

}  // namespace pwk
