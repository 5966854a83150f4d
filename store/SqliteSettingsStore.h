#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "src/platform/SettingsStore.h"
#include "store/SqlitePendingRemovals.h"

namespace pwk {

class OpenMarker;
class SqliteConnection;

// The settings store kept in an SQLite file (see SettingsFileLocation for where). The file
// and its folder are created by the first write; reads of a store that does not exist yet
// give the defaults without creating anything. Every write outside a batch is a transaction
// of its own and a batch is one transaction with one commit, so a crash of the process leaves
// either the old or the new settings (see docs/settings-store.md for what a power cut can
// cost). A snapshot is one read transaction. A file that cannot be used (not a database, someone
// else's database, a newer layout, locked, no permission) raises a Failure naming it and is never
// rewritten or replaced.
class SqliteSettingsStore : public SettingsStore {
  public:
    // Reading only: the file is opened read-only and no byte of it changes, nor its journal
    // mode; an empty or missing file reads as an empty store; every change is refused.
    enum class Access { ReadWrite, ReadingOnly };

    explicit SqliteSettingsStore(const std::optional<std::string>& path = std::nullopt,
                                 Access access = Access::ReadWrite);
    ~SqliteSettingsStore() override;

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSection(const std::string& appName, const std::string& section) override;
    void DeleteApplication(const std::string& appName) override;
    void Batch(const std::function<void()>& changes) override;
    // A row written or deleted since the batch began, or a removal nothing wrote back.
    bool BatchChanges() override;
    void Snapshot(const std::function<void()>& reads) override;
    // The mark is an advisory lock on the file's marker beside it (OpenMarker).
    void MarkOpen(bool open) override;
    bool MarkedOpen() override;

    const std::string& Path() const { return path_; }
    // Every value of one application as sorted "section|key=value" lines, in stored spelling.
    std::vector<std::string> Dump(const std::string& appName);
    // Every value of every application as sorted "application|section|key=value" lines.
    std::vector<std::string> Dump();
    // Whether the section exists (an intermediate level with no values of its own counts).
    bool SectionExists(const std::string& appName, const std::string& section);

  private:
    // The open file; with `create` false, null when the file does not exist yet.
    SqliteConnection* Connection(bool create);
    void PrepareSchema();
    void Undo(SqliteConnection& connection, bool outermost, const std::string& savepoint) noexcept;
    void CreateSchema();
    void UseWriteAheadLog();
    void ClearKnown();
    // Carries out the removals held back in the open batch, before anything reads or nests.
    void ApplyPending();
    // Ends a snapshot's read transaction, if one is open.
    void EndRead() noexcept;
    // The values of one folded section as folded key and value, read once per snapshot: a
    // load that reads a section value by value queries the file once for it.
    const std::unordered_map<std::string, std::string>& SnapshotSection(
        SqliteConnection& connection, const std::string& app, const std::string& folded);
    // Whether the folded section exists in the folded application.
    bool HasSection(const std::string& app, const std::string& folded);
    // Whether the open batch already knows the application and every level of the section
    // as stored.
    bool KnownInBatch(const std::string& app, const std::vector<std::string>& levels) const;
    // Writes one value (the row's application and section exist).
    void StoreValue(SqliteConnection& connection, const std::string& app,
                    const std::string& section, const std::string& key, const std::string& value);

    // Refuses a change to a store opened for reading only.
    void RequireWritable() const;

    std::string path_;
    Access access_;
    bool emptyToRead_ = false;  // read only, the file was found empty: it reads as no store
    std::unique_ptr<SqliteConnection> connection_;
    std::unique_ptr<OpenMarker> marker_;
    int depth_ = 0;                 // open batches
    long long changesAtBatch_ = 0;  // the connection's changes when the outermost batch began
    bool readOpen_ = false;         // a snapshot's read transaction is open
    // While it is open: the sections SnapshotSection read ("app\nsection", folded).
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> snapshot_;
    // Inside the outermost batch: the applications and the sections ("app\nsection", with
    // their stored spelling) known to exist, folded, so that a save of many values in one
    // section looks the section up once. Emptied by every removal and every rollback.
    std::map<std::string, std::string> sectionsInBatch_;
    std::set<std::string> applicationsInBatch_;
    // Removals inside a batch, held back to its commit (see SqlitePendingRemovals).
    SqlitePendingRemovals pending_;
};

}  // namespace pwk
