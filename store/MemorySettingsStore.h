#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "src/platform/SettingsStore.h"

namespace pwk {

// A settings store held in memory: for tests, the simulated host and the benchmarks. Same
// rules as the file-backed store (nested sections, case-insensitive names, all-or-nothing
// batches), plus a listing of everything stored and fault injection for testing callers.
class MemorySettingsStore : public SettingsStore {
  public:
    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue = "") override;
    std::vector<std::pair<std::string, std::string>> GetAllSettings(
        const std::string& appName, const std::string& section) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSection(const std::string& appName, const std::string& section) override;
    void DeleteApplication(const std::string& appName) override;
    void Batch(const std::function<void()>& changes) override;
    bool BatchChanges() override;
    // The mark lives as long as the store: one process's.
    void MarkOpen(bool open) override { markedOpen_ = open; }
    bool MarkedOpen() override { return markedOpen_; }

    // Every value of one application as sorted "section|key=value" lines, in stored spelling.
    std::vector<std::string> Dump(const std::string& appName) const;
    // Every value of every application as sorted "application|section|key=value" lines.
    std::vector<std::string> Dump() const;
    // Whether the section exists (an intermediate level with no values of its own counts).
    bool SectionExists(const std::string& appName, const std::string& section) const;

    // Makes the n-th of the store's operations from now fail (1 = the next one) with `number`;
    // the operation changes nothing. One injection is pending at a time.
    void FailOperation(int n, std::int32_t number = 5);
    void FailNextOperation(std::int32_t number = 5) { FailOperation(1, number); }
    // How many of the store's operations (Batch aside) have been attempted so far (failed ones
    // included).
    int OperationCount() const { return operations_; }

  private:
    bool markedOpen_ = false;
    struct Value {
        std::string Key;  // as first spelled
        std::string Text;
        bool operator==(const Value&) const = default;
    };
    struct Section {
        std::string Path;                     // as first spelled, level by level
        std::map<std::string, Value> Values;  // by folded key
        bool operator==(const Section&) const = default;
    };
    struct Application {
        std::string Name;
        // By folded full path. A batch's snapshot shares them until one is written, so that
        // it copies no values.
        std::map<std::string, std::shared_ptr<Section>> Sections;
    };

    void CountOperation();
    const Section* FindSection(const std::string& appName, const std::string& section) const;

    std::map<std::string, Application> applications_;  // by folded name
    // What the outermost running batch found; null outside a batch.
    const std::map<std::string, Application>* batchFound_ = nullptr;
    int operations_ = 0;
    std::optional<int> failAt_;
    std::int32_t failNumber_ = 5;
};

}  // namespace pwk
