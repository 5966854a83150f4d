#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pwk {

// The per-user settings store: text values addressed by application, section and key. A
// section name with backslashes is nested, one level per backslash-separated name.
// Every operation throws Failure when the store cannot do it.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The value, or `defaultValue` when the section or the key does not exist.
    virtual std::string GetSetting(const std::string& appName, const std::string& section,
                                   const std::string& key,
                                   const std::string& defaultValue = "") = 0;
    // Every value of one section (not of the sections below it) as key and value, keys in
    // their stored spelling; nothing when the section does not exist.
    virtual std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) = 0;
    // Writes the value, creating any missing sections.
    virtual void SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    // Removes a section with everything below it; fails (5) when it does not exist.
    virtual void DeleteSection(const std::string& appName, const std::string& section) = 0;
    // Removes every section of the application; fails (5) when it has none.
    virtual void DeleteApplication(const std::string& appName) = 0;

    // Runs `changes` as one unit: either all of its writes and removals land, or none do
    // (a failure inside rolls back and is thrown on). Batches may nest; the outermost counts.
    virtual void Batch(const std::function<void()>& changes) = 0;
    // Inside a batch: whether its writes and removals so far leave the store otherwise than the
    // outermost batch found it (a value or section added, changed, spelled otherwise or
    // removed). Outside one: false. A store that cannot tell answers true.
    virtual bool BatchChanges() { return true; }

    // Runs `reads` against one consistent state of the store, so that a load sees the
    // values of one save and a store that pays per access (a file) pays once. A write inside
    // ends the snapshot first and is never held back by it. Stores without that cost just
    // run `reads`.
    virtual void Snapshot(const std::function<void()>& reads) { reads(); }

    // Marks the store as open by a running add-in while `open` stays true, in a way that ends
    // with the process (a crash leaves no mark), so that another program can tell. Stores
    // that cannot mark do nothing.
    virtual void MarkOpen(bool /*open*/) {}
    // Whether a running add-in has the store open (this process's or another's).
    virtual bool MarkedOpen() { return false; }
    // False only when the store knows that nothing changed it since the last call that
    // answered true (a store that is told of changes); true when it cannot tell.
    virtual bool MayHaveChanged() { return true; }
};

}  // namespace pwk
