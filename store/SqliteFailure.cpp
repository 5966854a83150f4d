#include "store/SqliteFailure.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdint>

#include "src/util/Failure.h"

namespace pwk {

namespace {

std::int32_t FailureNumberFor(int rc, int systemErrno) {
    switch (rc & 0xff) {
        case SQLITE_PERM:
        case SQLITE_READONLY:
        case SQLITE_AUTH:
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return FailureNumber::PermissionDenied;
        case SQLITE_CANTOPEN:
            if (systemErrno == EACCES || systemErrno == EPERM || systemErrno == EROFS) {
                return FailureNumber::PermissionDenied;
            }
            if (systemErrno == ENOENT || systemErrno == ENOTDIR) {
                return FailureNumber::PathNotFound;
            }
            return FailureNumber::PathFileAccessError;
        default:
            return FailureNumber::PathFileAccessError;
    }
}

}  // namespace

void RaiseSqliteFailure(sqlite3* db, const std::string& path, int rc, const std::string& doing) {
    const int systemErrno = db == nullptr ? 0 : sqlite3_system_errno(db);
    const std::int32_t number = FailureNumberFor(rc, systemErrno);
    std::string detail = sqlite3_errstr(rc);
    if (db != nullptr) {
        const std::string message = sqlite3_errmsg(db);
        if (message != detail) {
            detail += ": " + message;
        }
    }
    throw Failure(number,
                  DescriptionOf(number) + ": cannot use the settings file \"" + path + "\" (" +
                      detail + ") while " + doing + "; the file was left as it is",
                  "SqliteSettingsStore");
}

}  // namespace pwk
