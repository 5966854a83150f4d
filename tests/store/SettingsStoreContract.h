#pragma once

#include <string>
#include <vector>

namespace pwk {
class SettingsStore;
}

namespace pwk::contract {

// The behaviour every settings store shares, written once for any test framework: the
// GoogleTest program runs the cases over the SQLite and memory stores, a Windows test program
// over the registry store.

// The store under test, with what a case looks at besides the store's own operations.
class ContractStore {
  public:
    virtual ~ContractStore() = default;
    virtual SettingsStore& Store() = 0;
    // Every value of one application as sorted "section|key=value" lines, in stored spelling.
    virtual std::vector<std::string> Dump(const std::string& appName) = 0;
    // Whether the section exists (an intermediate level with no values of its own counts).
    virtual bool SectionExists(const std::string& appName, const std::string& section) = 0;
};

// Where a case reports a check that failed; the case goes on after it.
class ContractChecks {
  public:
    virtual ~ContractChecks() = default;
    virtual void Fail(const char* file, int line, const std::string& what) = 0;
};

struct ContractCase {
    const char* Name;
    void (*Run)(ContractStore& store, ContractChecks& checks);
};

// Every case, each to be run on a new, empty store.
const std::vector<ContractCase>& ContractCases();

}  // namespace pwk::contract
