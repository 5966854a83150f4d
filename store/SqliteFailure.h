#pragma once

#include <string>

struct sqlite3;

namespace pwk {

// Raises the failure for SQLite result `rc` on the settings file `path`, open as `db` (null
// when it did not open): the classic file-error number closest to the cause (70 permission
// denied or locked, 76 folder missing, 75 anything else), SQLite's own words and `doing`, when
// it happened ("opening it"). The connection and its statements raise their failures here.
[[noreturn]] void RaiseSqliteFailure(sqlite3* db, const std::string& path, int rc,
                                     const std::string& doing);

}  // namespace pwk
