#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "store/PendingValues.h"

namespace pwk {

class SqliteConnection;
class SqliteStatement;

// Removals made inside a batch, held back until the batch commits, so that a save that
// removes its sections and writes them again writes only what changed: a value written back
// unchanged under a removed section keeps its row, and the file's pages stay clean. Every row
// the removals cover stays in the file, marked here, until Apply deletes the rows nothing wrote
// back; a read, a nested batch or the commit calls Apply first, so nobody ever sees a removed
// value. Names are folded; sections are addressed by folded full path.
class SqlitePendingRemovals {
  public:
    bool Empty() const { return applications_.empty(); }
    // Whether the application has removals pending: its saves go through Save.
    bool Holds(const std::string& app) const { return applications_.count(app) != 0; }
    // Whether Apply would delete anything: a removal that nothing wrote back.
    bool RemovesAnything() const;

    // Marks the section and everything below it removed; false when it does not exist.
    bool RemoveSection(SqliteConnection& connection, const std::string& app,
                       const std::string& folded);
    // Marks every section of the application removed; false when it has none.
    bool RemoveApplication(SqliteConnection& connection, const std::string& app);
    // Writes a value into an application that Holds: what a removal marked and the save
    // writes back unchanged is only unmarked. `levels` are the section's levels as spelled;
    // `storeValue` writes a value no removal marked. All or nothing.
    void Save(SqliteConnection& connection, const std::string& app, const std::string& appName,
              const std::vector<std::string>& levels, const std::string& key,
              const std::string& value, const std::function<void()>& storeValue);
    // Takes back the removal of a value written back exactly as it was stored (key spelled
    // alike) into a section that is stored again, which changes nothing in the file: the
    // common write of a save that removes its sections and writes them again. False, having
    // done nothing, for any other write, which then goes through Save.
    bool Restore(const std::string& app, const std::string& foldedSection, const std::string& key,
                 const std::string& value);
    // Deletes what is still marked, then forgets everything.
    void Apply(SqliteConnection& connection);
    // Forgets everything, after a rollback.
    void Discard();

  private:
    struct Row {
        std::string Spelled;  // a value's key, or a section's path, as stored
        std::string Text;     // a value's text
        bool Removed = false;
        // A section's: Restore found every level above it stored and not removed (a removal
        // clears it).
        bool LevelsLive = false;
    };
    struct Application {
        std::string Name;  // as stored
        bool Removed = false;
        std::map<std::string, Row> Sections;  // every section, by folded path
        PendingValues Values;                 // the values of the sections ever marked
    };

    // The application's state, read from the file the first time; null when it is not stored.
    Application* Load(SqliteConnection& connection, const std::string& app);
    void MarkValues(SqliteConnection& connection, const std::string& app, Application& state,
                    const std::string& folded);
    // Marks the rows of a (section, folded key, key, value) query removed.
    void MarkRows(SqliteStatement& rows, Application& state);
    // Whether the section and every level above it are stored and not removed.
    static bool LevelsLive(Application& state, const std::string& foldedSection);
    // A row (a section's or a value's) marked removed, or no longer: every change of the mark
    // goes through these, so that marked_ counts the rows a removal still covers.
    void Mark(bool& removed);
    void Unmark(bool& removed);

    std::map<std::string, Application> applications_;
    // Rows marked and not written back: with none, whether the batch removes anything and
    // what Apply deletes are answered without going through thousands of rows.
    std::size_t marked_ = 0;
};

}  // namespace pwk
