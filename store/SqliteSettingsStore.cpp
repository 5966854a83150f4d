#include "store/SqliteSettingsStore.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "src/util/Failure.h"
#include "store/OpenMarker.h"
#include "store/SectionPath.h"
#include "store/SettingsFileLocation.h"
#include "store/SqliteConnection.h"

namespace pwk {

namespace {

// Marks the file as ours ("PWKS"), so that another program's database is never mistaken for
// an empty store, and numbers the table layout.
constexpr std::int64_t ApplicationId = 0x50574B53;
constexpr std::int64_t SchemaVersion = 1;

// Names are stored twice: folded, for lookups, and as first spelled, for listings.
constexpr const char* Schema = R"sql(
CREATE TABLE applications(folded TEXT PRIMARY KEY, name TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE sections(app TEXT NOT NULL, folded TEXT NOT NULL, path TEXT NOT NULL,
                      PRIMARY KEY (app, folded)) WITHOUT ROWID;
CREATE TABLE settings(app TEXT NOT NULL, section TEXT NOT NULL, folded TEXT NOT NULL,
                      key TEXT NOT NULL, value TEXT NOT NULL,
                      PRIMARY KEY (app, section, folded)) WITHOUT ROWID;
)sql";

// Parameters: application, section, then the section's DescendantRange.
constexpr const char* DeleteValuesWithin =
    "DELETE FROM settings WHERE app = ? AND (section = ? OR (section >= ? AND section < ?))";
constexpr const char* DeleteSectionsWithin =
    "DELETE FROM sections WHERE app = ? AND (folded = ? OR (folded >= ? AND folded < ?))";

constexpr std::string_view Tables[] = {"applications", "sections", "settings"};

std::int64_t PragmaNumber(SqliteConnection& connection, const char* sql) {
    auto statement = connection.Prepare(sql);
    return statement.Step() ? std::stoll(statement.Text(0)) : 0;
}

}  // namespace

SqliteSettingsStore::SqliteSettingsStore(const std::optional<std::string>& path, Access access)
    : path_(SettingsFileLocation::Resolve(path)), access_(access) {}

void SqliteSettingsStore::RequireWritable() const {
    if (access_ == Access::ReadingOnly) {
        throw Failure(FailureNumber::PermissionDenied,
                      DescriptionOf(FailureNumber::PermissionDenied) + ": the settings file \"" +
                          path_ + "\" is open for reading only",
                      "SqliteSettingsStore");
    }
}

SqliteSettingsStore::~SqliteSettingsStore() = default;

std::string SqliteSettingsStore::GetSetting(const std::string& appName, const std::string& section,
                                            const std::string& key,
                                            const std::string& defaultValue) {
    SectionPath::RequireName(appName, "application");
    SectionPath::RequireName(key, "key");
    const std::string folded = SectionPath::FoldedPath(section);
    SqliteConnection* connection = Connection(false);
    if (connection == nullptr) {
        return defaultValue;
    }
    ApplyPending();
    if (readOpen_) {
        const auto& values = SnapshotSection(*connection, SectionPath::Fold(appName), folded);
        const auto value = values.find(SectionPath::Fold(key));
        return value == values.end() ? defaultValue : value->second;
    }
    auto statement = connection->Prepare(
        "SELECT value FROM settings WHERE app = ? AND section = ? AND folded = ?");
    statement.Bind(SectionPath::Fold(appName)).Bind(folded).Bind(SectionPath::Fold(key));
    return statement.Step() ? statement.Text(0) : defaultValue;
}

const std::unordered_map<std::string, std::string>& SqliteSettingsStore::SnapshotSection(
    SqliteConnection& connection, const std::string& app, const std::string& folded) {
    const std::string name = app + '\n' + folded;
    if (const auto known = snapshot_.find(name); known != snapshot_.end()) {
        return known->second;
    }
    std::unordered_map<std::string, std::string> values;
    auto statement =
        connection.Prepare("SELECT folded, value FROM settings WHERE app = ? AND section = ?");
    statement.Bind(app).Bind(folded);
    while (statement.Step()) {
        values.emplace(statement.Text(0), statement.Text(1));
    }
    return snapshot_.emplace(name, std::move(values)).first->second;
}

std::vector<std::pair<std::string, std::string>> SqliteSettingsStore::GetAllSettings(
    const std::string& appName, const std::string& section) {
    SectionPath::RequireName(appName, "application");
    const std::string folded = SectionPath::FoldedPath(section);
    std::vector<std::pair<std::string, std::string>> values;
    SqliteConnection* connection = Connection(false);
    if (connection == nullptr) {
        return values;
    }
    ApplyPending();
    auto statement = connection->Prepare(
        "SELECT key, value FROM settings WHERE app = ? AND section = ? ORDER BY folded");
    statement.Bind(SectionPath::Fold(appName)).Bind(folded);
    while (statement.Step()) {
        values.emplace_back(statement.Text(0), statement.Text(1));
    }
    return values;
}

void SqliteSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                      const std::string& key, const std::string& value) {
    RequireWritable();
    SectionPath::RequireName(appName, "application");
    SectionPath::RequireName(key, "key");
    const std::string app = SectionPath::Fold(appName);
    if (depth_ > 0 && pending_.Holds(app) && connection_->InTransaction() &&
        pending_.Restore(app, SectionPath::FoldedPath(section), key, value)) {
        return;  // written back as it was stored: nothing changes in the file
    }
    const std::vector<std::string> levels = SectionPath::Levels(section);
    if (depth_ > 0 && pending_.Holds(app) && connection_->InTransaction()) {
        pending_.Save(*connection_, app, appName, levels, key, value,
                      [&] { StoreValue(*connection_, app, levels.back(), key, value); });
        return;
    }
    // Inside a batch that has already stored the application and the section, the value is
    // one statement, which SQLite applies whole or not at all: it needs no savepoint.
    if (depth_ > 0 && connection_->InTransaction() && KnownInBatch(app, levels)) {
        StoreValue(*connection_, app, levels.back(), key, value);
        return;
    }
    Batch([&] {
        SqliteConnection& connection = *Connection(true);
        if (applicationsInBatch_.insert(app).second) {
            connection.Prepare("INSERT OR IGNORE INTO applications(folded, name) VALUES (?, ?)")
                .Bind(app)
                .Bind(appName)
                .Step();
        }
        std::string spelled;
        for (const std::string& level : levels) {
            const std::string folded = SectionPath::Fold(level);
            const std::string known = app + '\n' + folded;
            if (const auto found = sectionsInBatch_.find(known); found != sectionsInBatch_.end()) {
                spelled = found->second;
                continue;
            }
            auto existing =
                connection.Prepare("SELECT path FROM sections WHERE app = ? AND folded = ?");
            if (existing.Bind(app).Bind(folded).Step()) {
                spelled = existing.Text(0);
            } else {
                spelled = SectionPath::Spelling(spelled, level);
                connection.Prepare("INSERT INTO sections(app, folded, path) VALUES (?, ?, ?)")
                    .Bind(app)
                    .Bind(folded)
                    .Bind(spelled)
                    .Step();
            }
            sectionsInBatch_.emplace(known, spelled);
        }
        StoreValue(connection, app, levels.back(), key, value);
    });
}

bool SqliteSettingsStore::KnownInBatch(const std::string& app,
                                       const std::vector<std::string>& levels) const {
    if (applicationsInBatch_.count(app) == 0) {
        return false;
    }
    return std::all_of(levels.begin(), levels.end(), [&](const std::string& level) {
        return sectionsInBatch_.count(app + '\n' + SectionPath::Fold(level)) != 0;
    });
}

void SqliteSettingsStore::StoreValue(SqliteConnection& connection, const std::string& app,
                                     const std::string& section, const std::string& key,
                                     const std::string& value) {
    // A value saved again unchanged leaves its page clean, so that a start, which writes
    // every setting back, commits only what changed.
    connection
        .Prepare(
            "INSERT INTO settings(app, section, folded, key, value) VALUES (?, ?, ?, ?, ?) "
            "ON CONFLICT (app, section, folded) DO UPDATE SET value = excluded.value "
            "WHERE value IS NOT excluded.value")
        .Bind(app)
        .Bind(SectionPath::Fold(section))
        .Bind(SectionPath::Fold(key))
        .Bind(key)
        .Bind(value)
        .Step();
}

void SqliteSettingsStore::DeleteSection(const std::string& appName, const std::string& section) {
    RequireWritable();
    SectionPath::RequireName(appName, "application");
    const std::string folded = SectionPath::FoldedPath(section);
    const std::string app = SectionPath::Fold(appName);
    if (Connection(false) == nullptr) {
        SectionPath::RaiseMissing(appName, section);
    }
    if (depth_ > 0 && connection_->InTransaction()) {
        // Held back to the commit, so that what the batch writes back unchanged stays.
        ClearKnown();
        if (!pending_.RemoveSection(*connection_, app, folded)) {
            SectionPath::RaiseMissing(appName, section);
        }
        return;
    }
    Batch([&] {
        ClearKnown();
        if (!HasSection(app, folded)) {
            SectionPath::RaiseMissing(appName, section);
        }
        SqliteConnection& connection = *Connection(true);
        const auto [first, last] = SectionPath::DescendantRange(folded);
        // The section's values and levels, and everything below it.
        for (const char* sql : {DeleteValuesWithin, DeleteSectionsWithin}) {
            connection.Prepare(sql).Bind(app).Bind(folded).Bind(first).Bind(last).Step();
        }
        // An application with no sections left is gone, as if it had never been stored.
        connection
            .Prepare(
                "DELETE FROM applications WHERE folded = ? "
                "AND NOT EXISTS (SELECT 1 FROM sections WHERE app = ?)")
            .Bind(app)
            .Bind(app)
            .Step();
    });
}

void SqliteSettingsStore::DeleteApplication(const std::string& appName) {
    RequireWritable();
    SectionPath::RequireName(appName, "application");
    const std::string app = SectionPath::Fold(appName);
    if (Connection(false) == nullptr) {
        SectionPath::RaiseMissing(appName, "");
    }
    if (depth_ > 0 && connection_->InTransaction()) {
        ClearKnown();
        if (!pending_.RemoveApplication(*connection_, app)) {
            SectionPath::RaiseMissing(appName, "");
        }
        return;
    }
    Batch([&] {
        ClearKnown();
        SqliteConnection& connection = *Connection(true);
        if (!connection.Prepare("SELECT 1 FROM sections WHERE app = ? LIMIT 1").Bind(app).Step()) {
            SectionPath::RaiseMissing(appName, "");
        }
        for (const char* sql :
             {"DELETE FROM settings WHERE app = ?", "DELETE FROM sections WHERE app = ?",
              "DELETE FROM applications WHERE folded = ?"}) {
            connection.Prepare(sql).Bind(app).Step();
        }
    });
}

bool SqliteSettingsStore::BatchChanges() {
    return depth_ > 0 && connection_ &&
           (connection_->TotalChanges() != changesAtBatch_ || pending_.RemovesAnything());
}

void SqliteSettingsStore::Batch(const std::function<void()>& changes) {
    RequireWritable();
    SqliteConnection& connection = *Connection(true);
    // A nested batch is a savepoint, so that its failure undoes just its own changes (and,
    // thrown on through the outer batches, everything); only the outermost batch commits.
    const bool outermost = depth_ == 0;
    const std::string savepoint = "pwk_batch_" + std::to_string(depth_);
    if (outermost) {
        EndRead();
        ClearKnown();
        connection.Run("BEGIN IMMEDIATE");
        changesAtBatch_ = connection.TotalChanges();
    } else {
        if (!connection.InTransaction()) {
            // SQLite gave the transaction up after an earlier error (disk full, I/O): going
            // on would write the rest of the outer batch piecemeal.
            connection.FailContent("lost the open batch after an earlier error");
        }
        // A failed nested batch forgets the removals it held back; earlier ones land first.
        ApplyPending();
        connection.Run("SAVEPOINT " + savepoint);
    }
    ++depth_;
    try {
        changes();
        if (outermost) {
            ApplyPending();
        }
        connection.Run(outermost ? std::string("COMMIT") : "RELEASE " + savepoint);
    } catch (...) {
        --depth_;
        pending_.Discard();
        ClearKnown();
        Undo(connection, outermost, savepoint);
        throw;
    }
    --depth_;
    if (outermost) {
        ClearKnown();
    }
}

void SqliteSettingsStore::Snapshot(const std::function<void()>& reads) {
    SqliteConnection* connection = Connection(false);
    if (connection == nullptr || connection->InTransaction()) {
        reads();  // nothing stored yet, or inside a batch, which reads one state already
        return;
    }
    // Deferred: the read lock is taken by the first read and kept to the end, so every value
    // comes from the same commit and the file's lock and header are dealt with once.
    connection->Run("BEGIN", "starting to read it");
    readOpen_ = true;
    try {
        reads();
    } catch (...) {
        EndRead();
        throw;
    }
    EndRead();
}

void SqliteSettingsStore::EndRead() noexcept {
    if (!readOpen_) {
        return;
    }
    readOpen_ = false;
    snapshot_.clear();
    if (connection_ != nullptr && connection_->InTransaction()) {
        try {
            // Nothing was written, so this only lets go of the read lock.
            connection_->Run("COMMIT", "ending a read");
        } catch (const Failure&) {
            // A read transaction that cannot end cleanly has nothing to lose.
        }
    }
}

void SqliteSettingsStore::ApplyPending() {
    if (pending_.Empty()) {
        return;
    }
    ClearKnown();
    if (!connection_->InTransaction()) {
        // SQLite gave the batch up after an error: nothing it marked is there to remove.
        pending_.Discard();
        return;
    }
    pending_.Apply(*connection_);
}

void SqliteSettingsStore::ClearKnown() {
    sectionsInBatch_.clear();
    applicationsInBatch_.clear();
}

void SqliteSettingsStore::Undo(SqliteConnection& connection, bool outermost,
                               const std::string& savepoint) noexcept {
    if (!connection.InTransaction()) {
        return;  // SQLite has already rolled everything back
    }
    try {
        if (outermost) {
            connection.Run("ROLLBACK");
        } else {
            connection.Run("ROLLBACK TO " + savepoint);
            connection.Run("RELEASE " + savepoint);
        }
    } catch (const Failure&) {
        // The failure that started the rollback is the one to report.
    }
}

std::vector<std::string> SqliteSettingsStore::Dump(const std::string& appName) {
    std::vector<std::string> lines;
    SqliteConnection* connection = Connection(false);
    if (connection == nullptr) {
        return lines;
    }
    ApplyPending();
    auto statement = connection->Prepare(
        "SELECT sections.path, settings.key, settings.value FROM settings JOIN sections "
        "ON sections.app = settings.app AND sections.folded = settings.section "
        "WHERE settings.app = ?");
    statement.Bind(SectionPath::Fold(appName));
    while (statement.Step()) {
        lines.push_back(statement.Text(0) + "|" + statement.Text(1) + "=" + statement.Text(2));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<std::string> SqliteSettingsStore::Dump() {
    std::vector<std::string> names;
    if (SqliteConnection* connection = Connection(false); connection != nullptr) {
        ApplyPending();
        auto statement = connection->Prepare("SELECT name FROM applications");
        while (statement.Step()) {
            names.push_back(statement.Text(0));
        }
    }
    std::vector<std::string> lines;
    for (const std::string& name : names) {
        for (const std::string& line : Dump(name)) {
            lines.push_back(name + "|" + line);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool SqliteSettingsStore::SectionExists(const std::string& appName, const std::string& section) {
    SectionPath::RequireName(appName, "application");
    const std::string folded = SectionPath::FoldedPath(section);
    if (Connection(false) == nullptr) {
        return false;
    }
    ApplyPending();
    return HasSection(SectionPath::Fold(appName), folded);
}

bool SqliteSettingsStore::HasSection(const std::string& app, const std::string& folded) {
    return Connection(false)
        ->Prepare("SELECT 1 FROM sections WHERE app = ? AND folded = ?")
        .Bind(app)
        .Bind(folded)
        .Step();
}

SqliteConnection* SqliteSettingsStore::Connection(bool create) {
    if (connection_ != nullptr) {
        return connection_.get();
    }
    namespace fs = std::filesystem;
    std::error_code error;
    const bool exists = fs::exists(path_, error);
    if ((!exists && !create) || emptyToRead_) {
        return nullptr;
    }
    if (!exists) {
        const fs::path folder = fs::path(path_).parent_path();
        if (!folder.empty() && !fs::is_directory(folder, error)) {
            fs::create_directories(folder, error);
            if (error) {
                // Most often a parent that may not be written: say so, not "path not found".
                const bool denied = error == std::errc::permission_denied ||
                                    error == std::errc::operation_not_permitted ||
                                    error == std::errc::read_only_file_system;
                const std::int32_t number =
                    denied ? FailureNumber::PermissionDenied : FailureNumber::PathFileAccessError;
                throw Failure(number,
                              DescriptionOf(number) + ": cannot create the folder \"" +
                                  folder.string() + "\" for the settings file (" + error.message() +
                                  ")",
                              "SqliteSettingsStore");
            }
        }
    }
    std::unique_ptr<SqliteConnection> connection;
    try {
        using Open = SqliteConnection::Open;
        connection = std::make_unique<SqliteConnection>(path_, access_ == Access::ReadingOnly
                                                                   ? Open::ReadingOnly
                                                               : exists ? Open::Existing
                                                                        : Open::Create);
    } catch (const Failure& failure) {
        // SQLite reports the read-only retry after a refused create ("not found"): in a folder
        // that is there, a new file that cannot be made is a folder that may not be written.
        const fs::path folder = fs::path(path_).parent_path();
        if (exists || failure.Number != FailureNumber::PathNotFound ||
            !fs::is_directory(folder.empty() ? fs::path(".") : folder, error)) {
            throw;
        }
        throw Failure(FailureNumber::PermissionDenied,
                      DescriptionOf(FailureNumber::PermissionDenied) +
                          ": cannot create the settings file \"" + path_ +
                          "\": its folder cannot be written",
                      "SqliteSettingsStore");
    }
    std::swap(connection_, connection);
    try {
        PrepareSchema();
    } catch (...) {
        connection_.reset();
        throw;
    }
    if (emptyToRead_) {
        connection_.reset();
        return nullptr;
    }
    return connection_.get();
}

void SqliteSettingsStore::PrepareSchema() {
    SqliteConnection& connection = *connection_;
    // In WAL mode a commit appends to the log and syncs only at checkpoints: a batch that
    // returned survives the process's death at any moment; a power cut can undo the last
    // batches but never leaves one half-written.
    connection.Execute("PRAGMA synchronous = NORMAL", "reading it");
    // Reading the header is the first access to the file's content, so this is where a file
    // that is not a database at all is found out.
    const std::int64_t id = PragmaNumber(connection, "PRAGMA application_id");
    const std::int64_t version = PragmaNumber(connection, "PRAGMA user_version");
    const std::int64_t tables = PragmaNumber(connection, "SELECT count(*) FROM sqlite_schema");
    if (id == 0 && version == 0 && tables == 0) {
        // An empty file (made by another program, or by a copy that was cut short) is laid
        // out by the first write; read only, it is an empty store.
        if (access_ == Access::ReadingOnly) {
            emptyToRead_ = true;
            return;
        }
        CreateSchema();
        UseWriteAheadLog();
        return;
    }
    if (id != ApplicationId) {
        connection.FailContent("is a database of another program, not a settings store");
    }
    if (version != SchemaVersion) {
        connection.FailContent("has settings layout " + std::to_string(version) +
                               ", which this version cannot use (it uses " +
                               std::to_string(SchemaVersion) + ")");
    }
    for (const std::string_view table : Tables) {
        auto statement =
            connection.Prepare("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?");
        if (!statement.Bind(std::string(table)).Step()) {
            connection.FailContent("is damaged: its table \"" + std::string(table) +
                                   "\" is missing");
        }
    }
    UseWriteAheadLog();
}

void SqliteSettingsStore::UseWriteAheadLog() {
    SqliteConnection& connection = *connection_;
    // Readers then never wait for a writer, and a commit costs one append instead of a
    // rewritten journal and two syncs. The mode is kept in the file; one we may not write, or
    // only read, keeps the mode it has.
    if (!connection.ReadOnly() && access_ == Access::ReadWrite) {
        connection.Execute("PRAGMA journal_mode = WAL", "switching it to write-ahead logging");
    }
}

void SqliteSettingsStore::CreateSchema() {
    SqliteConnection& connection = *connection_;
    if (connection.ReadOnly()) {
        connection.FailContent("is empty and cannot be written");
    }
    connection.Execute("BEGIN IMMEDIATE");
    try {
        // Another process may have laid out the file since we looked.
        if (PragmaNumber(connection, "SELECT count(*) FROM sqlite_schema") == 0) {
            connection.Execute(Schema);
            connection.Execute(
                ("PRAGMA application_id = " + std::to_string(ApplicationId)).c_str());
            connection.Execute(("PRAGMA user_version = " + std::to_string(SchemaVersion)).c_str());
        }
        connection.Execute("COMMIT");
    } catch (...) {
        if (connection.InTransaction()) {
            connection.Execute("ROLLBACK");
        }
        throw;
    }
    if (PragmaNumber(connection, "PRAGMA application_id") != ApplicationId) {
        connection.FailContent("is a database of another program, not a settings store");
    }
}

void SqliteSettingsStore::MarkOpen(bool open) {
    if (!marker_) {
        marker_ = std::make_unique<OpenMarker>(path_);
    }
    marker_->Hold(open);
}

bool SqliteSettingsStore::MarkedOpen() {
    return OpenMarker(path_).Held();
}

}  // namespace pwk
